// The text window on the terminal (ncursesw): the 30 x 100 grid at the top left, the status line under it,
// input from the keyboard and the terminal's mouse reporting. Only one may exist at a time.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "consola.h"

class ConsolaTerminal : public Consola {
 public:
  ConsolaTerminal();
  ~ConsolaTerminal() override;
  ConsolaTerminal(const ConsolaTerminal&) = delete;
  ConsolaTerminal& operator=(const ConsolaTerminal&) = delete;

  Clique espera_clique() override;
  std::string le_linha() override;
  Resposta espera_qualquer() override;
  bool caixa_fim(const std::string& texto) override;
  void espera_fecho() override;
  void titulo(const std::string& texto) override;
  void estado(const std::string& texto) override;
  void mostra() override;

 private:
  struct Evento {
    enum Tipo { CARACTER, ENTER, APAGA, ESC, CLIQUE } tipo;
    wchar_t c = 0;
    int linha = 0, coluna = 0;  // of a press in the grid
  };
  // The next key or left press in the grid, repainting after a resize; nothing else gets through
  // while the terminal is too small.
  Evento proximo();
  // Line editing with echo in the grid; true when the event is Enter (then the line is complete).
  bool edita(const Evento& e, std::string& linha);
  bool pequeno() const;
  void pinta();
  void pinta_celula(int linha, int coluna, unsigned char ch, int32_t texto, int32_t fundo, bool realce);
  // The terminal's colour number for rgb; with fundo, one other than that number.
  int cor(int32_t rgb, int fundo = -1);
  int par(int32_t texto, int32_t fundo);

  enum class Cores { NENHUMAS, BASICAS, XTERM256, DIRETAS } cores_;
  std::map<int32_t, int> numero_cor_;              // RGB -> the terminal's colour number
  std::map<std::pair<int, int>, int> numero_par_;  // (text, background) colour numbers -> pair
  bool pares_recomecados_ = false;
  std::string estado_;
  const std::string* caixa_ = nullptr;  // text of the end box while it is open
};
