// The escape sequences that a terminal sends (keys, replies to queries, mouse reports), read byte by byte
// after their ESC as ECMA-48 frames them, so that a sequence is taken whole or dropped whole and never typed
// into an answer. A fixed amount of state: a sequence longer than LIMITE bytes is followed to its end and
// dropped whole, and a control string (OSC, DCS, SOS, PM, APC) is never kept, whatever its length.
#pragma once
#include <cstddef>

class SequenciaEscape {
 public:
  enum Passo {
    CONTINUA,  // the byte belongs to the sequence, which goes on
    COMPLETA,  // the byte ends it
    FORA,      // the byte cannot belong to it: the sequence ends before it, and the byte is read on its own
  };
  static constexpr size_t LIMITE = 32;

  // An ESC came: a new sequence begins.
  void comeca();
  // The next byte. An ESC inside a control string ends the string and begins a new sequence.
  Passo junta(unsigned char byte);
  // Only the ESC so far (then the sequence is the Esc key when it ends).
  bool vazia() const { return estado_ == DEPOIS_ESC && n_ == 1; }
  // A complete sequence, ESC first, as its bytes; false when it was too long to keep or is a control string.
  bool bytes(const char*& b, size_t& n) const;
  // A complete mouse report of a press of the left button (old-style X10, or SGR): its cell, rows and
  // columns from 1.
  bool clique(int& linha, int& coluna) const;

 private:
  enum Estado { DEPOIS_ESC, INTERMEDIO, CSI, X10, SS3, CADEIA, CADEIA_ESC, FIM };
  // The byte right after an ESC.
  Passo depois_esc(unsigned char byte);
  Passo guarda(unsigned char byte, Passo p);

  Estado estado_ = FIM;
  char bytes_[LIMITE];
  size_t n_ = 0;
  bool longa_ = false;       // more than LIMITE bytes: dropped whole
  bool cadeia_ = false;      // a control string, never kept
  bool osc_ = false;         // an OSC, which BEL ends too
  bool intermedios_ = false;  // of a CSI: no parameter may follow
};
