// The preparation of a year: tables reset, the year's ETo and rain read and converted, LAMP rebuilt.
#include "entradas_ano.h"

#include <gtest/gtest.h>

#include <memory>

#include "cultura_exemplo.h"
#include "pasta_temporaria.h"

namespace {

int dias(int mes, int ano) {
  const int d[12] = {31, ano % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return d[mes - 1];
}

// ETo by decade from 1998: in year a (1 to 4), decade d and month m, 10a + d + m/100. Rain by month from
// 1998: in year a, a mm a day of every month.
void series() {
  std::string et0 = "3\n4\n";
  for (int a = 1; a <= 4; ++a) {
    et0 += std::to_string(1997 + a) + "\n";
    for (int d = 1; d <= 3; ++d) {
      for (int m = 1; m <= 12; ++m) et0 += " " + std::to_string(10 * a + d) + "." + (m < 10 ? "0" : "") + std::to_string(m);
      et0 += "\n";
    }
  }
  grava("e_ET0.txt", et0);
  std::string pre = "1\n4\n1998\n";
  for (int a = 1; a <= 4; ++a) {
    for (int m = 1; m <= 12; ++m) pre += " " + std::to_string(dias(m, 1997 + a) * a);
    pre += "\n";
  }
  grava("p_pre.txt", pre);
}

TEST(EntradasAno, YearsFromTheThirdOnOfBothSeries) {
  PastaTemporaria p;
  series();
  ESCREVE_CULTURA("c_CUL.txt", exemplo());
  auto C = std::make_unique<Calculo>();
  C->COD.CULTURA = std::string("c") + std::string(97, ' ');
  C->SOLO.LLAV1 = 0.2f;
  C->SOLO.POROS = 45;
  C->SERIE_ET0.emplace("e_ET0.txt");
  C->SERIE_PRE.emplace("p_pre.txt");
  LE_CABECALHO(*C->SERIE_ET0);
  LE_CABECALHO(*C->SERIE_PRE);
  // A year that asks nothing keeps the flooding parameters of the year before.
  C->ILER = 0;
  C->ALAG.ALEF = '1';
  C->ALAG.ND = 5;
  C->ALAG.NCANT = C->ALAG.NDFIM = 2;
  C->AREA = 3;
  for (int ano = 2000; ano <= 2001; ++ano) {
    C->ETP.preenche(-1);
    C->PRE.preenche(-1);
    C->LAMP(200, 50) = -1;
    C->ANO = ano;
    ENTRADAS_ANO(*C);
    int a = ano - 1997;
    EXPECT_EQ(C->ANOE, ano);
    EXPECT_EQ(C->ANOP, ano);
    EXPECT_FLOAT_EQ(C->ETP(1, 1), 10 * a + 1 + 0.01f);
    EXPECT_FLOAT_EQ(C->ETP(3, 12), 10 * a + 3 + 0.12f);
    for (int d = 1; d <= 3; ++d)
      for (int m = 1; m <= 12; ++m) EXPECT_FLOAT_EQ(C->PRE(d, m), static_cast<float>(a)) << ano << " " << d << " " << m;
    EXPECT_EQ(C->AREA, 0.1f);
    EXPECT_EQ(C->ALAG.ND, 5);
    EXPECT_EQ(C->CAL.NCICLO, 124);
    EXPECT_EQ(C->CAL.DD, 10);
    EXPECT_EQ(C->CAL.MM, 5);
    EXPECT_EQ(C->LAMP(1, 1), 0.10f);
    EXPECT_EQ(C->LAMP(6, 1), 0.05f);
    EXPECT_EQ(C->LAMP(10, 5), 0.05f);
    EXPECT_EQ(C->LAMP(200, 50), 0.0f);
  }
  EXPECT_EQ(C->SERIE_PRE->CONTADOR, 4);
  EXPECT_EQ(C->SERIE_PRE->F.linha(), 7);
  EXPECT_EQ(C->SERIE_ET0->F.linha(), 18);
}

}  // namespace
