#include "coefcult.h"

void COEFCULT(int32_t INDK, int32_t MM1, int32_t MM6, const Tabela<float, 7>& KC, int32_t IMES, int32_t IDEC,
              int32_t IDIA, Tabela2<float, 12, 3>& KCD) {
  if (INDK != 2) return;
  const int32_t N = MM6 - MM1 + 1;
  int32_t K;
  if (IMES <= MM1)
    K = 1;
  else if (IMES < MM6)
    K = IMES - MM1 + 1;
  else
    K = N;
  if (IMES < MM1 || (IMES == MM1 && IDIA <= 20)) {
    KCD(IMES, IDEC) = KC(1);
  } else if (IMES > MM6 || (IMES == MM6 && IDIA > 10)) {
    KCD(IMES, IDEC) = KC(N);
  } else if (IDIA <= 10) {
    float D = (KC(K) - KC(K - 1)) / 3;
    KCD(IMES, IDEC) = KC(K - 1) + (D + D);
  } else if (IDIA <= 20) {
    KCD(IMES, IDEC) = KC(K);
  } else {
    float D = (KC(K + 1) - KC(K)) / 3;
    KCD(IMES, IDEC) = KC(K) + D;
  }
}
