#include "percol.h"

void PERCOL(const DadosSolo& S, const TabelaLaminas& LAM, float AREA, int32_t ND, TabelaDia& PHA,
            TabelaDia& PVA, TabelaLaminas& PH, TabelaLaminas& PV, int32_t I, int32_t J) {
  const float H1 = S.COTAV + LAM(I, J);
  const float H2 = S.HVAL;
  const float DEN = S.LZC + S.LLAV1;
  float HM;
  if (S.TF < 0.1f)
    HM = 0;  // the water table within 0.1 m of the surface: nothing percolates
  else if (S.TF >= DEN)
    HM = DEN + LAM(I, J);
  else
    HM = S.TF + LAM(I, J);
  PH(I, J) = ((((S.KX / (2 * S.LA)) * (H1 * H1 - H2 * H2)) * AREA) / ND) * S.COMPV;
  PV(I, J) = ((((S.KV * AREA) / ND) * HM) / DEN) * 10000;
  if (LAM(I, J) <= 0) PV(I, J) = 0;
  PHA(I) = PHA(I) + PH(I, J);
  PVA(I) = PVA(I) + PV(I, J);
}
