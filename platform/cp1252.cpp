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

char32_t unicode(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return ALTOS[c - 0x80];
  return c;
}

std::string de_utf8(const std::string& utf8) {
  std::string r;
  size_t i = 0, n = utf8.size();
  while (i < n) {
    unsigned char c = utf8[i];
    int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0) {
      r += '?';
      ++i;
      continue;
    }
    char32_t u = extra == 0 ? c : c & (0x3F >> extra);
    bool bom = true;
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= n || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
        bom = false;
        break;
      }
      u = (u << 6) | (utf8[i + k] & 0x3F);
    }
    if (!bom) {
      r += '?';
      ++i;
      continue;
    }
    r += byte_de(u);
    i += extra + 1;
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
