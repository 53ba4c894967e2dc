#include "texto.h"

#include "cp1252.h"

std::string fixo(const std::string& texto, size_t N) {
  std::string r = texto.substr(0, N);
  r.resize(N, ' ');
  return r;
}

int ultimo(const std::string& texto) {
  size_t p = texto.find_last_not_of(' ');
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string apara(const std::string& texto) { return texto.substr(0, ultimo(texto)); }

std::string brancos(int n) { return std::string(n, ' '); }

std::string operator""_w(const char* utf8, size_t n) { return de_utf8(std::string(utf8, n)); }
