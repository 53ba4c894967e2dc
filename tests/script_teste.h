// A script window for one test: the screen rows as text, and whether the routine took every event.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "consola_script.h"
#include "texto.h"

struct ScriptTeste {
  std::ostringstream saida;
  ConsolaScript c;
  explicit ScriptTeste(const std::vector<std::string>& eventos) : c(eventos, saida) { usa_consola(&c); }
  // Row l without its trailing blanks, in Windows-1252.
  std::string linha(int l) { return apara(c.grelha().texto_linha(l)); }
  bool eventos_gastos() {
    try {
      c.espera_clique();
    } catch (const FimForcado&) {
      return true;
    }
    return false;
  }
};
