#include "convert_pre.h"

#include <cmath>

void CONVERT_PRE(Tabela2<float, 3, 12>& PRE, int32_t R, int32_t ANO, int32_t T) {
  for (int M = 1; M <= 12; ++M) {
    float& P = PRE(R, M);
    if (R == 3 || T == 1) {
      if (M == 2) {
        float Q = static_cast<float>(ANO) * 0.25f;
        if (Q == std::trunc(Q))
          P = P / (T == 3 ? 9.0f : 29.0f);
        else
          P = T == 3 ? P * 0.125f : P / 28.0f;
      } else if (M == 4 || M == 6 || M == 9 || M == 11) {
        P = P / (T == 3 ? 10.0f : 30.0f);
      } else {
        P = P / (T == 3 ? 11.0f : 31.0f);
      }
    }
    if ((R == 1 || R == 2) && T == 3) P = P / 10.0f;
  }
}
