// The text window on the terminal (ncursesw): the 30 x 100 grid at the top left, the status line under it,
// input from the keyboard and the terminal's mouse reporting. Only one may exist at a time. The terminal is
// handed back as it was on every way out and on Ctrl-Z, and set up again after the program is continued.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>

#include "bytes_teclado.h"
#include "consola.h"

class ConsolaTerminal : public Consola {
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
  struct Evento {
    enum Tipo { CARACTER, ENTER, APAGA, ESC, CLIQUE, REDESENHA } tipo;
    char c = 0;  // Windows-1252
    int linha = 0, coluna = 0;  // of a press in the grid
  };
  // The next key or left press in the grid, repainting after a resize; nothing else gets through
  // while the terminal is too small.
  Evento proximo();
  // Reads the next input into eventos_ (nothing, when it is a key that does nothing).
  void le_entrada();
  // A byte (Windows-1252 once put together), a curses key code, or ERR when the rest of a UTF-8
  // sequence did not come in time.
  void trata_codigo(int c);
  // After an ESC: the rest of the sequence, taken whole or dropped whole; an ESC that nothing follows in
  // time is the Esc key.
  void le_sequencia();
  void junta_caracteres(const std::string& caracteres);
  void junta_tecla(int codigo);
  void junta_clique(int linha, int coluna);
  // The next byte or curses key code, or ERR when espera milliseconds pass without one (espera < 0: no limit).
  // A Ctrl-Z or a SIGCONT that came meanwhile is done first. Throws FimForcado{1} when the input is gone.
  int le_codigo(int espera);
  // Ctrl-Z: the terminal handed back as it was before the program, then SIGTSTP to quem (0: the whole job,
  // as the terminal sends it); the program stops until it is continued.
  void suspende(pid_t quem);
  // After a stop: every mode set again and the screen drawn whole.
  void repoe();
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
  int tecla_suspensao_ = -1;  // the terminal's suspend character, read as a key (-1: none; see the constructor)
  BytesTeclado bytes_;
  std::deque<Evento> eventos_;  // read but not yet taken
  std::string estado_;
  const std::string* caixa_ = nullptr;  // text of the end box while it is open
};
