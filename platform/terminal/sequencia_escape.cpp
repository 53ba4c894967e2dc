#include "sequencia_escape.h"

namespace {

const char ESC = 0x1B, BEL = 0x07;
// ESC [ M and three bytes: the button and the column and row, each plus 32.
const std::string X10 = "[M";

bool entre(int c, int de, int ate) { return c >= de && c <= ate; }

// A control string (OSC, DCS, SOS, PM, APC) runs to BEL or to ST, which is ESC \.
bool cadeia(char c) { return c == ']' || c == 'P' || c == 'X' || c == '^' || c == '_'; }

}  // namespace

SequenciaEscape::Passo SequenciaEscape::junta(int byte) {
  if (!entre(byte, 0, 0xFF)) return FORA;
  const std::string antes = bytes_;
  bytes_ += static_cast<char>(byte);
  if (antes.empty()) {
    if (byte == '[' || byte == 'O' || cadeia(static_cast<char>(byte)) || entre(byte, 0x20, 0x2F)) return CONTINUA;
    if (entre(byte, 0x30, 0x7E)) return COMPLETA;  // ESC and one character (Alt and a key)
  } else if (antes.compare(0, X10.size(), X10) == 0) {
    return bytes_.size() == X10.size() + 3 ? COMPLETA : CONTINUA;  // the three bytes may be any
  } else if (antes[0] == '[') {
    // Parameters, then intermediates, then the final byte.
    const bool intermedios = antes.find_first_of(" !\"#$%&'()*+,-./") != std::string::npos;
    if (entre(byte, 0x30, 0x3F) && !intermedios) return CONTINUA;
    if (entre(byte, 0x20, 0x2F)) return CONTINUA;
    if (entre(byte, 0x40, 0x7E)) return bytes_ == X10 ? CONTINUA : COMPLETA;
  } else if (antes[0] == 'O') {
    if (entre(byte, 0x20, 0x7E)) return COMPLETA;
  } else if (cadeia(antes[0])) {
    if (antes.back() == ESC) {
      if (byte == '\\') return COMPLETA;
    } else if (byte == BEL) {
      return COMPLETA;
    } else if (byte == ESC || byte >= 0x20) {
      return CONTINUA;
    }
  } else {
    // ESC, intermediates, and the final byte.
    if (entre(byte, 0x20, 0x2F)) return CONTINUA;
    if (entre(byte, 0x30, 0x7E)) return COMPLETA;
  }
  bytes_ = antes;
  return FORA;
}

bool SequenciaEscape::clique(int& linha, int& coluna) const {
  if (bytes_.size() != X10.size() + 3 || bytes_.compare(0, X10.size(), X10) != 0) return false;
  const int botao = static_cast<unsigned char>(bytes_[2]) - 32;
  coluna = static_cast<unsigned char>(bytes_[3]) - 32;
  linha = static_cast<unsigned char>(bytes_[4]) - 32;
  // The left button going down, with or without Shift, Meta or Control; not a release, a move or a wheel.
  return (botao & ~0x1C) == 0 && linha >= 1 && coluna >= 1;
}
