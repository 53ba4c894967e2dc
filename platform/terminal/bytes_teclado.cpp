#include "bytes_teclado.h"

#include "cp1252.h"

namespace {

// s is the start of a UTF-8 sequence that is not complete yet: a lead byte and continuation bytes only.
bool incompleta(const std::string& s) {
  if (s.size() > static_cast<size_t>(continuacoes_utf8(s[0]))) return false;
  for (size_t k = 1; k < s.size(); ++k)
    if ((static_cast<unsigned char>(s[k]) & 0xC0) != 0x80) return false;
  return true;
}

}  // namespace

std::string BytesTeclado::junta(unsigned char byte) {
  pendentes_ += static_cast<char>(byte);
  std::string r;
  // As de_utf8 reads a whole text: a sequence that fails gives its first byte, and the next byte starts afresh.
  while (!pendentes_.empty() && !incompleta(pendentes_)) {
    char32_t u;
    size_t k = sequencia_utf8(pendentes_, 0, u);
    if (k == 0) k = 1;
    r += de_utf8(pendentes_.substr(0, k));
    pendentes_.erase(0, k);
  }
  return r;
}

std::string BytesTeclado::corta() {
  std::string r = de_utf8(pendentes_);
  pendentes_.clear();
  return r;
}
