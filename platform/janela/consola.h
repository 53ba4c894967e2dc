// The text window the system writes to and reads from, and the framework operations built on it.
// Two implementations: the terminal (ncursesw) and the script window (events read from a file).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "grelha.h"

// The window-configuration record: sizes in pixels and in text cells, colours, font, title.
struct windowconfig {
  int16_t numxpixels = 0, numypixels = 0;
  int16_t numtextcols = 0, numtextrows = 0;
  int16_t numcolors = 0;
  int32_t fontsize = 0;
  char title[80] = {};
  int16_t bitsperpixel = 0;
};

// A left-button press, as the pixel of the text area where it happened.
struct Clique {
  int x = 0, y = 0;
};

// A press in a cell is reported as the pixel at the cell's centre.
Clique centro_da_celula(int linha, int coluna);

// What ended a wait that takes either a click or a typed line.
struct Resposta {
  bool clique = false;
  Clique onde;
  std::string linha;
};

// A script (or the user) stopped the program before its end: exit with this status and message.
// Not a std::exception, so that no handler of the system's own errors takes it.
struct FimForcado {
  int estado;
  std::string mensagem;  // UTF-8
};

struct EstadoGraficos;  // platform/graficos.cpp

class Consola {
 public:
  virtual ~Consola() = default;
  Grelha& grelha() { return grelha_; }

  // Blocks until a left press in the 30 x 100 grid; keys typed meanwhile are ignored.
  virtual Clique espera_clique() = 0;
  // Blocks until a line is typed and Enter pressed; echoes it at the text position (Windows-1252).
  virtual std::string le_linha() = 0;
  // Blocks until Enter (a typed line) or a left press, whichever comes first.
  virtual Resposta espera_qualquer() = 0;
  // The end-of-program box; true when the user answers Yes.
  virtual bool caixa_fim(const std::string& texto) = 0;
  // After a No at the end box: the window stays as it is until the user closes it.
  virtual void espera_fecho() {}

  virtual void titulo(const std::string& texto) = 0;
  virtual void estado(const std::string& texto) = 0;
  // Shows the grid as it is now (the terminal repaints; the script window has nothing to do).
  virtual void mostra() {}
  // The program waits for another program, not for the user, with the grid as it is now: the terminal
  // shows it; the script window runs the script's checks and shows up to its next input event.
  virtual void em_espera() { mostra(); }

  // Window configuration as applied; a request larger than the grid is refused (see f_setwindowconfig).
  windowconfig config;
  // What the graphics operations keep (coordinates, drawing position, the child window), made on first use.
  std::shared_ptr<EstadoGraficos> graficos;

 protected:
  Grelha grelha_;
};

// The one text window of the run.
Consola& consola();
void usa_consola(Consola* c);

// Framework operations, named after the framework's own (leading underscore dropped). Texts are Windows-1252.
namespace qw {
bool f_setwindowconfig(windowconfig& wc);
int32_t setcolorrgb(int32_t cor);
int32_t settextcolorrgb(int32_t cor);
int32_t setbkcolorrgb(int32_t cor);
int FQdisplaycursor(int mostra);
void FOCUSQQ();
void QWINMenuClick(int comando);
void menu_janelas(int menu);
void FQclearscreen(int area);
void fq_settextposition(int linha, int coluna);
void fq_outtext(const std::string& texto);
// Waits for a left press (events 1); returns the pixel in x and y.
void waitonmouseeventqq(int eventos, int& keystate, int& x, int& y);

// Record output: the record at the text position, the next one at column 1 of the next row.
void escreve(const std::string& registo);
// Output without end of record: a prompt, the answer is typed right after it.
void pergunta(const std::string& texto);
// Line input with echo; the typed line in Windows-1252.
std::string le_linha();
// Enter or a left press, whichever comes first.
Resposta espera_qualquer();

}  // namespace qw
