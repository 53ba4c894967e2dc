#include "sequencia_escape.h"

namespace {

const unsigned char ESC = 0x1B, BEL = 0x07;

bool entre(int c, int de, int ate) { return c >= de && c <= ate; }

// The numbers of an SGR report "ESC [ < botão ; coluna ; linha M" (M a press, m a release); false when it
// is not one. A number too large for a cell stays too large.
bool sgr(const char* b, size_t n, int v[3]) {
  if (n < 4 || b[1] != '[' || b[2] != '<' || b[n - 1] != 'M') return false;
  int k = 0;
  v[0] = 0;
  for (size_t i = 3; i + 1 < n; ++i) {
    if (b[i] == ';') {
      if (++k > 2) return false;
      v[k] = 0;
    } else if (entre(b[i], '0', '9')) {
      if (v[k] < 100000) v[k] = v[k] * 10 + (b[i] - '0');
    } else {
      return false;
    }
  }
  return k == 2;
}

}  // namespace

void SequenciaEscape::comeca() {
  estado_ = DEPOIS_ESC;
  bytes_[0] = static_cast<char>(ESC);
  n_ = 1;
  longa_ = cadeia_ = osc_ = intermedios_ = false;
}

SequenciaEscape::Passo SequenciaEscape::guarda(unsigned char byte, Passo p) {
  if (p == FORA) return FORA;
  if (!cadeia_) {
    if (n_ < LIMITE)
      bytes_[n_++] = static_cast<char>(byte);
    else
      longa_ = true;
  }
  if (p == COMPLETA) estado_ = FIM;
  return p;
}

SequenciaEscape::Passo SequenciaEscape::depois_esc(unsigned char byte) {
  if (byte == '[') {
    estado_ = CSI;
  } else if (byte == 'O') {
    estado_ = SS3;
  } else if (byte == ']' || byte == 'P' || byte == 'X' || byte == '^' || byte == '_') {
    estado_ = CADEIA;
    cadeia_ = true;
    osc_ = byte == ']';
  } else if (entre(byte, 0x20, 0x2F)) {
    estado_ = INTERMEDIO;
  } else {
    return guarda(byte, entre(byte, 0x30, 0x7E) ? COMPLETA : FORA);  // ESC and one character: Alt and a key
  }
  return guarda(byte, CONTINUA);
}

SequenciaEscape::Passo SequenciaEscape::junta(unsigned char byte) {
  switch (estado_) {
    case DEPOIS_ESC:
      return depois_esc(byte);
    case INTERMEDIO:
      return guarda(byte, entre(byte, 0x20, 0x2F) ? CONTINUA : entre(byte, 0x30, 0x7E) ? COMPLETA : FORA);
    case CSI:
      // ESC [ M and three bytes of any value: the button and the column and row, each plus 32.
      if (byte == 'M' && n_ == 2 && !longa_) {
        estado_ = X10;
        return guarda(byte, CONTINUA);
      }
      if (entre(byte, 0x30, 0x3F)) return guarda(byte, intermedios_ ? FORA : CONTINUA);
      if (entre(byte, 0x20, 0x2F)) {
        intermedios_ = true;
        return guarda(byte, CONTINUA);
      }
      return guarda(byte, entre(byte, 0x40, 0x7E) ? COMPLETA : FORA);
    case X10:
      return guarda(byte, n_ == 5 ? COMPLETA : CONTINUA);
    case SS3:
      return guarda(byte, entre(byte, 0x20, 0x7E) ? COMPLETA : FORA);
    case CADEIA:
      if (byte == ESC) estado_ = CADEIA_ESC;
      return guarda(byte, osc_ && byte == BEL ? COMPLETA : CONTINUA);
    case CADEIA_ESC:
      if (byte == '\\') return guarda(byte, COMPLETA);
      comeca();  // the string ended at its ESC, which begins a new sequence
      return depois_esc(byte);
    case FIM:
      break;
  }
  return FORA;
}

bool SequenciaEscape::bytes(const char*& b, size_t& n) const {
  if (estado_ != FIM || longa_ || cadeia_) return false;
  b = bytes_;
  n = n_;
  return true;
}

bool SequenciaEscape::clique(int& linha, int& coluna) const {
  const char* b;
  size_t n;
  if (!bytes(b, n)) return false;
  int v[3];
  if (n == 6 && b[1] == '[' && b[2] == 'M') {
    for (int k = 0; k < 3; ++k) v[k] = static_cast<unsigned char>(b[3 + k]) - 32;
  } else if (!sgr(b, n, v)) {
    return false;
  }
  coluna = v[1];
  linha = v[2];
  // The left button going down, with or without Shift, Meta or Control; not a release, a move or a wheel.
  return (v[0] & ~0x1C) == 0 && linha >= 1 && coluna >= 1;
}
