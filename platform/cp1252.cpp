#include "cp1252.h"

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where Windows-1252 defines none.
const char32_t ALTOS[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char byte_de(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
  for (int i = 0; i < 32; ++i)
    if (ALTOS[i] == u) return static_cast<char>(0x80 + i);
  return '?';
}

void junta_utf8(std::string& r, char32_t u) {
  if (u < 0x80) {
    r += static_cast<char>(u);
  } else if (u < 0x800) {
    r += static_cast<char>(0xC0 | (u >> 6));
    r += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    r += static_cast<char>(0xE0 | (u >> 12));
    r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    r += static_cast<char>(0x80 | (u & 0x3F));
  }
}

}  // namespace

int continuacoes_utf8(unsigned char c) {
  return (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
}

int sequencia_utf8(const std::string& s, size_t i, char32_t& u) {
  const size_t n = s.size();
  unsigned char c = s[i];
  if (c < 0x80) {
    u = c;
    return 1;
  }
  const int extra = continuacoes_utf8(c);
  if (extra == 0 || i + extra >= n) return 0;
  u = c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    unsigned char x = s[i + k];
    if ((x & 0xC0) != 0x80) return 0;
    u = (u << 6) | (x & 0x3F);
  }
  // Overlong forms, surrogates and code points past Unicode are not UTF-8 either.
  const char32_t MENOR[4] = {0, 0x80, 0x800, 0x10000};
  if (u < MENOR[extra] || (u >= 0xD800 && u <= 0xDFFF) || u > 0x10FFFF) return 0;
  return extra + 1;
}

char32_t unicode(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return ALTOS[c - 0x80];
  return c;
}

std::string de_utf8(const std::string& utf8) {
  std::string r;
  size_t i = 0, n = utf8.size();
  while (i < n) {
    char32_t u;
    int k = sequencia_utf8(utf8, i, u);
    if (k == 0) {
      r += utf8[i++];  // not UTF-8: the byte is the Windows-1252 character it stands for
      continue;
    }
    r += byte_de(u);
    i += k;
  }
  return r;
}

std::string para_utf8(const std::string& texto) {
  std::string r;
  for (unsigned char c : texto) {
    char32_t u = unicode(c);
    if (u == 0) u = '?';
    junta_utf8(r, u);
  }
  return r;
}
