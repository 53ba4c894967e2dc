// The crop of the worked example of the target-depth schedule, as the tests of the crop file and of
// LERCULT start from it.
#pragma once
#include "ficheiro_cultura.h"

// Sowing 15/05 at 0.05 m after 0.10 m for land preparation, reference dates to 10/09, one drainage
// on 14/06 at 0.00 m for 4 days, monthly coefficients from May to September.
inline DadosCultura exemplo() {
  DadosCultura D;
  const int32_t fases[6][2] = {{15, 5}, {5, 6}, {20, 6}, {10, 7}, {10, 8}, {15, 9}};
  const int32_t refs[6][2] = {{15, 5}, {4, 6}, {24, 6}, {24, 7}, {13, 8}, {10, 9}};
  const float lam[6] = {0.05f, 0.10f, 0.15f, 0.15f, 0.10f, 0.0f};
  for (int i = 1; i <= 6; ++i) {
    D.DDFASE(i) = fases[i - 1][0];
    D.MMFASE(i) = fases[i - 1][1];
    D.DDF(i) = refs[i - 1][0];
    D.MMF(i) = refs[i - 1][1];
    D.LAMF(i) = lam[i - 1];
  }
  D.LAM0 = 0.10f;
  D.RESPDREN = 'S';
  D.NDREN = 1;
  D.DDREN(1) = 14;
  D.MDREN(1) = 6;
  D.LAMDREN(1) = 0;
  D.DIASDREN(1) = 4;
  D.TOL = 12.5f;
  D.INDK = 2;
  const float kc[5] = {1.05f, 1.1f, 1.2f, 1.25f, 1.0f};
  for (int k = 1; k <= 5; ++k) D.KC(k) = kc[k - 1];
  return D;
}
