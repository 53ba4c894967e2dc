// Crop coefficients by decade: the curve through the monthly coefficients, its boundary days, and the
// cases where only one coefficient applies.
#include <gtest/gtest.h>

#include "coefcult.h"

namespace {

Tabela<float, 7> coeficientes(std::initializer_list<float> valores) {
  Tabela<float, 7> KC;
  int k = 1;
  for (float v : valores) KC(k++) = v;
  return KC;
}

// The coefficient of day IDIA of month IMES, written into a table otherwise filled with -1.
float coeficiente(const Tabela<float, 7>& KC, int MM1, int MM6, int IMES, int IDIA) {
  Tabela2<float, 12, 3> KCD;
  KCD.preenche(-1);
  int IDEC = IDIA <= 10 ? 1 : IDIA <= 20 ? 2 : 3;
  COEFCULT(2, MM1, MM6, KC, IMES, IDEC, IDIA, KCD);
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 3; ++d)
      if (m != IMES || d != IDEC) {
        EXPECT_EQ(KCD(m, d), -1) << "only the day's cell changes";
      }
  return KCD(IMES, IDEC);
}

TEST(Coefcult, DecadeCoefficientsFromSowingToHarvest) {
  const Tabela<float, 7> KC = coeficientes({1.05f, 1.10f, 1.25f, 1.00f});
  const struct {
    int mes;
    float decada[3];
  } tabela[] = {
      {4, {1.05f, 1.05f, 1.05f}},          {5, {1.05f, 1.05f, 1.066667f}}, {6, {1.083333f, 1.10f, 1.15f}},
      {7, {1.20f, 1.25f, 1.166667f}},      {8, {1.083333f, 1.00f, 1.00f}}, {9, {1.00f, 1.00f, 1.00f}},
  };
  for (const auto& linha : tabela)
    for (int d = 1; d <= 3; ++d)
      for (int IDIA : {10 * d - 9, 10 * d - 5, d < 3 ? 10 * d : 31})
        EXPECT_NEAR(coeficiente(KC, 5, 8, linha.mes, IDIA), linha.decada[d - 1], 1e-6)
            << "month " << linha.mes << " day " << IDIA;
}

TEST(Coefcult, BoundaryDaysOfTheDecades) {
  const Tabela<float, 7> KC = coeficientes({1.05f, 1.10f, 1.25f, 1.00f});
  const struct {
    int mes, dia;
    float esperado;
  } casos[] = {
      {6, 10, 1.083333f}, {6, 11, 1.10f}, {6, 20, 1.10f}, {6, 21, 1.15f},  // a middle month
      {5, 20, 1.05f},     {5, 21, 1.066667f},                              // the sowing month
      {8, 10, 1.083333f}, {8, 11, 1.00f},                                  // the harvest month
  };
  for (const auto& c : casos)
    EXPECT_NEAR(coeficiente(KC, 5, 8, c.mes, c.dia), c.esperado, 1e-6) << "month " << c.mes << " day " << c.dia;
}

TEST(Coefcult, SeasonWithinOneMonthTakesItsOnlyCoefficient) {
  const Tabela<float, 7> KC = coeficientes({1.2f, 9, 9});
  for (int mes : {5, 6, 7})
    for (int dia : {1, 10, 11, 20, 21, 31}) EXPECT_EQ(coeficiente(KC, 6, 6, mes, dia), 1.2f) << mes << " " << dia;
}

// With any option but the monthly one, no cell changes: not even to the constant 1.0, which the balance
// sets itself at the year start.
TEST(Coefcult, ConstantOptionLeavesTheTableAlone) {
  for (int32_t INDK : {1, 0, 3}) {
    Tabela2<float, 12, 3> KCD;
    KCD.preenche(-1);
    COEFCULT(INDK, 5, 8, coeficientes({2, 2, 2, 2}), 6, 2, 15, KCD);
    EXPECT_EQ(KCD(6, 2), -1) << INDK;
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 3; ++d) EXPECT_EQ(KCD(m, d), -1) << INDK << ": " << m << " " << d;
  }
}

}  // namespace
