#include "ordemd.h"

#include <utility>

void ORDEMD(int32_t n, Tabela<float, 100>& V, Tabela<int32_t, 100>& IPOINT) {
  for (int i = 1; i <= n; ++i) IPOINT(i) = i;
  // Every pass runs over all neighbouring pairs; a pass without an exchange ends the sort.
  for (int passo = 1; passo <= n - 1; ++passo) {
    bool trocou = false;
    for (int j = 1; j <= n - 1; ++j) {
      if (V(j) > V(j + 1)) {
        std::swap(V(j), V(j + 1));
        std::swap(IPOINT(j), IPOINT(j + 1));
        trocou = true;
      }
    }
    if (!trocou) return;
  }
}
