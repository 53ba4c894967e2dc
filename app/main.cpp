// paludex: the terminal text window by default, or a script of events with --script FILE [--screens FILE].
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "consola_script.h"
#include "consola_terminal.h"
#include "linha_espera.h"
#include "paludex.h"
#include "temporarios.h"
#include "trinco.h"

namespace {

int uso() {
  std::cerr << "uso: paludex [--script FICHEIRO [--screens FICHEIRO]]\n";
  return 2;
}

// The framework's end of program: "Finished" in the status line and the Yes/No box. A wait for another
// program that writes in the data folder is shown on the window.
int corre(Consola& c) {
  usa_consola(&c);
  avisa_espera(linha_espera);
  PALUDEX();
  c.estado("Finished");
  if (!c.caixa_fim("Program Terminated with exit code 0\nExit Window?")) c.espera_fecho();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    try {
      ConsolaTerminal terminal;
      return corre(terminal);
    } catch (const FimForcado& f) {
      std::cerr << "paludex: " << f.mensagem << "\n";
      return f.estado;
    }
  }
  if (args[0] != "--script" || (args.size() != 2 && (args.size() != 4 || args[2] != "--screens"))) return uso();
  std::ifstream script(args[1]);
  if (!script) {
    std::cerr << "paludex: não foi possível ler o script " << args[1] << "\n";
    return 2;
  }
  std::vector<std::string> linhas;
  for (std::string l; std::getline(script, l);) linhas.push_back(l);
  std::ofstream ecras;
  if (args.size() == 4) {
    ecras.open(args[3], std::ios::binary | std::ios::trunc);
    if (!ecras) {
      std::cerr << "paludex: não foi possível criar " << args[3] << "\n";
      return 2;
    }
  }
  trata_sinais_de_fim(sai_sem_temporarios);
  try {
    ConsolaScript c(linhas, args.size() == 4 ? static_cast<std::ostream&>(ecras) : std::cout);
    return corre(c);
  } catch (const FimForcado& f) {
    std::cerr << "paludex: " << f.mensagem << "\n";
    return f.estado;
  }
}
