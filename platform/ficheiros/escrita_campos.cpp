#include "escrita_campos.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string fI(int32_t valor, int w) {
  char buf[64];
  int n = snprintf(buf, sizeof buf, "%*d", w, valor);
  return n > w ? std::string(w, '*') : std::string(buf);
}

std::string fF(float valor, int w, int d) {
  char buf[512];
  int n = snprintf(buf, sizeof buf, "%*.*f", w, d, static_cast<double>(valor));
  return n > w || n < 0 ? std::string(w, '*') : std::string(buf);
}

std::string fA(const std::string& texto, int w) {
  size_t n = static_cast<size_t>(w);
  return texto.size() >= n ? texto.substr(0, n) : std::string(n - texto.size(), ' ') + texto;
}

std::string livre(float valor) {
  char buf[64];
  int p = 1;
  for (; p < 9; ++p) {
    snprintf(buf, sizeof buf, "%.*g", p, static_cast<double>(valor));
    if (std::strtof(buf, nullptr) == valor) break;
  }
  // Plain decimals for the sizes of the data; an exponent only for very large or very small values.
  double a = std::fabs(static_cast<double>(valor));
  if (valor == 0 || (a >= 1e-4 && a < 1e9)) {
    int casas = std::max(1, p - 1 - static_cast<int>(std::floor(std::log10(a > 0 ? a : 1))));
    snprintf(buf, sizeof buf, "%.*f", casas, static_cast<double>(valor));
  }
  return buf;
}

