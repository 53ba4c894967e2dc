#include "caixa_fim.h"

#include <algorithm>

namespace caixa_fim {

std::string linha(int l, const std::string& texto) {
  const size_t LARGURA = COLUNA2 - COLUNA1 + 1;
  std::string borda = "+" + std::string(LARGURA - 2, '-') + "+";
  if (l == LINHA1 || l == LINHA2) return borda;
  std::string meio(LARGURA - 2, ' ');
  // The text's lines are separated by a new line; the first at row LINHA1 + 2.
  size_t inicio = 0;
  for (int k = LINHA1 + 2; inicio <= texto.size(); ++k) {
    size_t fim = texto.find('\n', inicio);
    if (fim == std::string::npos) fim = texto.size();
    if (k == l) {
      std::string t = texto.substr(inicio, std::min(fim - inicio, LARGURA - 6));
      meio.replace(2, t.size(), t);
    }
    inicio = fim + 1;
  }
  if (l == LINHA_BOTOES) {
    meio.replace(SIM1 - COLUNA1 - 1, 7, "[ Yes ]");
    meio.replace(NAO1 - COLUNA1 - 1, 6, "[ No ]");
  }
  return "|" + meio + "|";
}

int botao(int l, int c) {
  if (l != LINHA_BOTOES) return 0;
  if (c >= SIM1 && c <= SIM2) return 1;
  if (c >= NAO1 && c <= NAO2) return 2;
  return 0;
}

int tecla(char c) {
  if (c == 'y' || c == 'Y' || c == 's' || c == 'S') return 1;
  return c == 'n' || c == 'N' ? 2 : 0;
}

bool fecha(char c) { return c == 'q' || c == 'Q'; }

}  // namespace caixa_fim
