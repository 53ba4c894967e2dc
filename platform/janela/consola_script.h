// The script text window: a virtual 30 x 100 grid whose input comes from a script of events,
// one per line (click, pixel, type, expect, expect-colour, show). Used by the scripted sessions.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "consola.h"

class ConsolaScript : public Consola {
 public:
  // Script lines in UTF-8; screens of "show" go to saida. Throws FimForcado{2} on a bad script line.
  ConsolaScript(const std::vector<std::string>& linhas, std::ostream& saida);

  Clique espera_clique() override;
  std::string le_linha() override;
  Resposta espera_qualquer() override;
  bool caixa_fim(const std::string& texto) override;
  void titulo(const std::string& texto) override { titulo_ = texto; }
  // The script's screens have no status line.
  void estado(const std::string&) override {}
  void em_espera() override { confere_ate_evento(); }

  const std::string& titulo_atual() const { return titulo_; }
  // The screen as the "show" event writes it (UTF-8, trailing blanks dropped, then "----").
  std::string ecra() const;

 private:
  // A line of the script, as the constructor reads it.
  struct Linha {
    enum Tipo { NADA, SHOW, EXPECT, EXPECT_COR, CLIQUE, ESCRITA } tipo = NADA;
    int a = 0, b = 0;   // the row and column of an expect
    Clique clique;      // of a click or pixel; (-1, -1) for a cell outside the grid
    std::string texto;  // of an expect (UTF-8, as written) or of a typed line (Windows-1252)
    std::string cor_texto, cor_fundo;  // of an expect-colour, as written
  };
  struct Evento {
    enum Tipo { CLIQUE, LINHA, NENHUM } tipo = NENHUM;
    Clique clique;
    std::string texto;  // Windows-1252
    int linha = 0;      // of the script
  };
  // Runs the checks and shows up to the next input event, and leaves it next.
  void confere_ate_evento();
  // Runs the checks and shows up to the next input event, which it returns (NENHUM when none is left).
  Evento proximo();
  // The check of an expect or expect-colour, script line n: stops the program with status 4 when the screen
  // differs.
  void confere(const Linha& l, int n) const;
  [[noreturn]] void para(int estado, const std::string& mensagem) const;
  std::string eco(const std::string& texto);

  std::vector<Linha> linhas_;
  size_t atual_ = 0;
  std::ostream& saida_;
  std::string titulo_;
};

// Parses "RRGGBB" into the RGB value r + 256*g + 65536*b; -1 when it is not six hex digits.
int32_t cor_hex(const std::string& hex);
