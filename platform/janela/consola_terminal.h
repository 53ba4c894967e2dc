// The text window on the terminal (ncursesw): the 30 x 100 grid at the top left, the status line under it,
// input from the keyboard and the terminal's mouse reporting. Only one may exist at a time. The terminal is
// handed back as it was on every way out and on Ctrl-Z, and set up again after the program is continued.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "consola.h"
#include "leitor_teclado.h"

class ConsolaTerminal : public Consola, private FonteBytes {
 public:
  // Throws FimForcado{1} without touching the terminal when it cannot show the screens or take a click
  // (TERM=dumb, vt100, unknown).
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
  // Every wait for the terminal's bytes: the screen shown as it is, then one ppoll with the signals of the
  // end, SIGTSTP, SIGCONT and SIGWINCH let in, then a read of what is there, which never blocks.
  int le(char* b, size_t n, int espera) override;
  // The next key or left press in the grid; a Ctrl-Z, a SIGCONT or a resize that came meanwhile is done
  // first, and nothing gets through while the terminal is too small.
  Evento proximo();
  // Ctrl-Z: the terminal handed back as it was before the program, then SIGTSTP to quem (0: the whole job,
  // as the terminal sends it); the program stops until it is continued.
  void suspende(pid_t quem);
  // After a stop: every mode set again and the screen drawn whole.
  void repoe();
  // The terminal's size now, after SIGWINCH; the screen drawn again.
  void redimensiona();
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
  LeitorTeclado leitor_;
  int vazias_ = 0;  // waits in a row that saw input and read none: the terminal is gone at the third
  std::string estado_;
  const std::string* caixa_ = nullptr;  // text of the end box while it is open
};
