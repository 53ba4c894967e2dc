#include "cores_terminal.h"

#include <cstdlib>

namespace cores_terminal {

namespace {

int32_t rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// Brightness as the eye weighs the three channels, 0 to 255000.
long brilho(int32_t cor) { return 299L * (cor & 0xFF) + 587L * ((cor >> 8) & 0xFF) + 114L * ((cor >> 16) & 0xFF); }

std::vector<int32_t> paleta_xterm() {
  const int NIVEL[6] = {0, 95, 135, 175, 215, 255};
  std::vector<int32_t> p;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) p.push_back(rgb(NIVEL[r], NIVEL[g], NIVEL[b]));
  for (int i = 0; i < 24; ++i) p.push_back(rgb(8 + 10 * i, 8 + 10 * i, 8 + 10 * i));
  return p;
}

// The basic colours as most terminals show them: half intensity, then bright. Curses numbers them with
// red in bit 0, green in bit 1, blue in bit 2.
std::vector<int32_t> paleta_basica() {
  std::vector<int32_t> p;
  for (int v : {128, 255})
    for (int i = 0; i < 8; ++i) p.push_back(rgb(i & 1 ? v : 0, i & 2 ? v : 0, i & 4 ? v : 0));
  p[7] = rgb(192, 192, 192);  // white is light grey, bright black dark grey
  p[8] = rgb(128, 128, 128);
  return p;
}

}  // namespace

int mais_proxima(int32_t cor, const std::vector<int32_t>& paleta, int fora) {
  int melhor = -1;
  long menor = 0, contraste = 0;
  for (int i = 0; i < static_cast<int>(paleta.size()); ++i) {
    if (i == fora) continue;
    long d = 0;
    for (int canal = 0; canal < 24; canal += 8) {
      long diferenca = ((cor >> canal) & 0xFF) - ((paleta[i] >> canal) & 0xFF);
      d += diferenca * diferenca;
    }
    long c = fora < 0 ? 0 : std::labs(brilho(paleta[i]) - brilho(paleta[fora]));
    if (melhor < 0 || d < menor || (d == menor && c > contraste)) {
      melhor = i;
      menor = d;
      contraste = c;
    }
  }
  return melhor;
}

int xterm256(int32_t cor, int fundo) {
  static const std::vector<int32_t> PALETA = paleta_xterm();
  return 16 + mais_proxima(cor, PALETA, fundo < 16 ? -1 : fundo - 16);
}

int basica(int32_t cor, int n, int fundo) {
  static const std::vector<int32_t> PALETA = paleta_basica();
  static const std::vector<int32_t> OITO(PALETA.begin(), PALETA.begin() + 8);
  return mais_proxima(cor, n >= 16 ? PALETA : OITO, fundo);
}

}  // namespace cores_terminal
