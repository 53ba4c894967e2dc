// Seepage and percolation of one sub-area: the head by the depth of the water table, a dry basin, a ditch
// above the field, and the day's totals it adds to.
#include <gtest/gtest.h>

#include "caso_balanco.h"
#include "percol.h"

namespace {

// The nominal block of 0.1 ha in 10 sub-areas with the worked example's soil: one sub-area's PV is
// 0.001 x 0.01 x HM / 0.5 x 10000 = 0.2 x HM, and its PH is 0.01 x (H1^2 - HVAL^2) x 0.01 x 100.
DadosSolo solo(float TF, float HVAL) {
  DadosSolo S = solo_exemplo();
  S.TF = TF;
  S.HVAL = HVAL;
  return S;
}

TEST(Percol, SeepageAndPercolationByWaterTableAndDepth) {
  const struct {
    const char* caso;
    float TF, HVAL, LAM, PH, PV;
  } casos[] = {
      {"worked example, HM = DEN + LAM", 2, 0.1f, 0.1f, 0.0035f, 0.12f},
      {"water table within 0.1 m", 0.09f, 0.1f, 0.1f, 0.0035f, 0},
      {"water table at 0.1 m exactly: HM = 0.2", 0.1f, 0.1f, 0.1f, 0.0035f, 0.04f},
      {"water table at DEN: HM = 0.6", 0.5f, 0.1f, 0.1f, 0.0035f, 0.12f},
      {"water table 1 mm above DEN: HM = 0.599", 0.499f, 0.1f, 0.1f, 0.0035f, 0.1198f},
      {"nothing ponded: seepage from the level difference only", 2, 0.1f, 0, 0.0024f, 0},
      {"ditch above the field head: seepage towards the field", 2, 0.7f, 0.1f, -0.0013f, 0.12f},
  };
  for (const auto& c : casos) {
    TabelaLaminas LAM, PH, PV;
    TabelaDia PHA, PVA;
    const int I = 7, J = 3;
    LAM(I, J) = c.LAM;
    PHA(I) = 1;
    PVA(I) = 2;
    PERCOL(solo(c.TF, c.HVAL), LAM, 0.1f, 10, PHA, PVA, PH, PV, I, J);
    EXPECT_NEAR(PH(I, J), c.PH, 1e-7) << c.caso;
    EXPECT_NEAR(PV(I, J), c.PV, 1e-6) << c.caso;
    EXPECT_EQ(PHA(I), 1 + PH(I, J)) << c.caso;
    EXPECT_EQ(PVA(I), 2 + PV(I, J)) << c.caso;
    EXPECT_EQ(PHA(I + 1), 0) << c.caso;
    EXPECT_EQ(PH(I, J + 1), 0) << c.caso;
  }
}

}  // namespace
