// What the keyboard and the mouse give the waits of the terminal, and the one table of the keys that do
// something: every key the program knows is a row there.
#pragma once
#include <cstddef>

// A key, a character typed, or a left press in the grid.
struct Evento {
  enum Tipo { CARACTER, ENTER, APAGA, ESC, SUSPENDE, CLIQUE } tipo = CARACTER;
  char c = 0;                 // of CARACTER, in Windows-1252
  int linha = 0, coluna = 0;  // of CLIQUE, a cell of the grid
};

// The key that the bytes stand for (a control character, or a whole escape sequence with its ESC), looked up
// in the table; suspensao is the terminal's suspend character (Ctrl-Z as a rule; -1: none). False for bytes
// that do nothing (Ctrl-S and Ctrl-Q among them, as flow control is off; the arrows; an unknown sequence).
bool tecla(const char* bytes, size_t n, int suspensao, Evento::Tipo& tipo);
