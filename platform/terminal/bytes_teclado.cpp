#include "bytes_teclado.h"

#include "cp1252.h"

std::string BytesTeclado::junta(unsigned char byte) {
  pendentes_[n_++] = static_cast<char>(byte);
  std::string r;
  // As de_utf8 reads a whole text: a sequence that fails gives its first byte, and the next byte starts afresh.
  for (;;) {
    const std::string s(pendentes_, n_);
    // Still the start of a sequence: a lead byte and continuation bytes only, fewer than it announces.
    bool incompleta = n_ > 0 && n_ <= static_cast<size_t>(continuacoes_utf8(s[0]));
    for (size_t k = 1; k < n_ && incompleta; ++k) incompleta = (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80;
    if (n_ == 0 || incompleta) return r;
    char32_t u;
    size_t k = sequencia_utf8(s, 0, u);
    if (k == 0) k = 1;
    r += de_utf8(s.substr(0, k));
    n_ -= k;
    for (size_t i = 0; i < n_; ++i) pendentes_[i] = pendentes_[i + k];
  }
}

std::string BytesTeclado::corta() {
  std::string r = de_utf8(std::string(pendentes_, n_));
  n_ = 0;
  return r;
}
