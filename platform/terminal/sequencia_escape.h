// The escape sequences that a terminal sends after ESC (keys, replies to queries, mouse reports), read
// byte by byte, so that a sequence is taken whole or dropped whole and never typed into an answer.
#pragma once
#include <string>

class SequenciaEscape {
 public:
  enum Passo {
    CONTINUA,  // the byte belongs to the sequence, which goes on
    COMPLETA,  // the byte ends it
    FORA,      // the byte cannot belong to it: the sequence ends before it, and the byte is read on its own
  };
  // The next byte after the ESC and those before it (a curses key code is never part of one).
  Passo junta(int byte);
  bool vazia() const { return bytes_.empty(); }
  // A complete old-style (X10) mouse report of a press of the left button: its cell, rows and columns from 1.
  bool clique(int& linha, int& coluna) const;

 private:
  std::string bytes_;  // after the ESC
};
