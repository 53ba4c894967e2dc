// The daily water balance: its calendar, the classification of the schedule's segments, the rain
// surplus, the first day's flooding volume, the window of sub-areas after the season, and a small year
// worked out by hand.
#include <gtest/gtest.h>

#include <string>

#include "caso_balanco.h"
#include "erro.h"

namespace {

TEST(Balanco, CalendarDecadesAndMonthChanges) {
  const struct {
    int ANO, IDIA, IMES;
    int dia, mes, decada;  // after the step
  } casos[] = {
      {2001, 10, 5, 10, 5, 1}, {2001, 11, 5, 11, 5, 2}, {2001, 20, 5, 20, 5, 2},
      {2001, 21, 5, 21, 5, 3}, {2001, 31, 5, 31, 5, 3}, {2001, 32, 5, 1, 6, 1},
      {2001, 29, 2, 1, 3, 1},  {2000, 29, 2, 29, 2, 3}, {2000, 30, 2, 1, 3, 1},
      {2001, 31, 4, 1, 5, 1},  {2001, 31, 1, 31, 1, 3}, {2001, 31, 12, 31, 12, 3},
  };
  for (const auto& c : casos) {
    int IDIA = c.IDIA, IMES = c.IMES, IDEC = 0;
    EXPECT_TRUE(CALENDARIO(c.ANO, IDIA, IMES, IDEC));
    EXPECT_EQ(IDIA, c.dia) << c.ANO << " " << c.IDIA << "/" << c.IMES;
    EXPECT_EQ(IMES, c.mes) << c.ANO << " " << c.IDIA << "/" << c.IMES;
    EXPECT_EQ(IDEC, c.decada) << c.ANO << " " << c.IDIA << "/" << c.IMES;
  }
  int IDIA = 32, IMES = 12, IDEC = 0;
  EXPECT_FALSE(CALENDARIO(2001, IDIA, IMES, IDEC));  // no month follows December
}

TEST(Balanco, ClassificationOfTheWorkedSchedule) {
  CasoBalanco c(10, 5, 124, 1, 1,
                {{1, 0.10f, 1}, {6, 0.05f, 2}, {26, 0.10f, 3}, {36, 0, 8}, {40, 0.10f, 3}, {46, 0.15f, 4},
                 {96, 0.10f, 6}, {124, 0, 7}});
  for (int dia = 1; dia <= 200; ++dia) {
    char esperado = (dia >= 6 && dia <= 25) || (dia >= 36 && dia <= 39) ? 'D' : 'N';
    EXPECT_EQ(DRENAGEM(c.C, dia), esperado) << "own season day " << dia;
  }
}

TEST(Balanco, RainSurplusHeldUpToTheTolerance) {
  // TOL 10 %, ND 10, today's depth 0.10 m, NEC -2 m3: the surplus raises the depth to 0.12 m.
  const struct {
    const char* caso;
    float amanha;       // tomorrow's target
    float lamina;       // tomorrow's depth afterwards
    float escoamento;   // ESC afterwards (it held 7 before)
  } casos[] = {
      {"above the cap of 0.11: 0.01 m spilled", 0.10f, 0.11f, 1.0f},
      {"tomorrow's target above the raise: nothing kept", 0.15f, 0.15f, 7},
      {"above tomorrow's target within the cap: stored", 0.115f, 0.12f, 7},
  };
  for (const auto& c : casos) {
    TabelaLaminas LAMP, LAM;
    LAMP(5, 2) = LAM(5, 2) = 0.10f;
    LAMP(6, 2) = LAM(6, 2) = c.amanha;
    float ESC = 7;
    EXCEDENTE(-2, 10, 0.1f, 10, LAMP, LAM, 5, 2, ESC);
    EXPECT_NEAR(LAM(6, 2), c.lamina, 1e-6) << c.caso;
    EXPECT_NEAR(ESC, c.escoamento, 1e-5) << c.caso;
    EXPECT_EQ(LAM(5, 2), 0.10f) << c.caso;
  }
}

TEST(Balanco, FirstDayFloodsOneSubArea) {
  // SAT = 45 x 0.2 x 10 + (1 - 0.5) x 150 x 0.3 = 90 + 22.5; VF = 0.01 x 10 x (100 + 112.5) = 21.25.
  CasoBalanco c(1, 5, 30, 10, 10, {{1, 0.10f, 1}, {30, 0, 7}});
  c.S = solo_estanque();
  c.ETP.preenche(5);
  c.corre();
  EXPECT_NEAR(c.B.NH(1), 21.25f, 1e-5);
  EXPECT_EQ(c.B.PVA(1), 0);
  EXPECT_EQ(c.B.MESI, 5);
}

TEST(Balanco, SubAreasNotYetFloodedAndTheNeedNeverNegative) {
  // ND 10, no losses to the soil: ETC = 0.01 x 5 x 10 = 0.5 and PRC = 0.01 x 3 x 10 = 0.3 per sub-area, so
  // a flooded sub-area needs 0.2 and the others add (0.4 x 0.5 - 0.3) = -0.1 each.
  const struct {
    int INDK;
    float chuva, dia2, dia10, dia11;
  } casos[] = {
      {1, 3, 0.2f + 21.25f - 0.9f, 9 * 0.2f + 21.25f, 10 * 0.2f},
      // A crop coefficient of 2 doubles ETC: 0.7 per flooded sub-area, (0.4 - 0.3) x 9 for the others.
      {2, 3, 0.7f + 21.25f + 0.9f, 9 * 0.7f + 21.25f, 10 * 0.7f},
      // Heavy rain: the dry sub-areas' term exceeds the flooding volume, and the day's need stays 0.
      {1, 500, 0, 21.25f, 0},
  };
  for (const auto& k : casos) {
    CasoBalanco c(1, 5, 30, 10, 10, {{1, 0.10f, 1}, {30, 0, 7}});
    c.S = solo_estanque();
    c.ETP.preenche(5);
    c.PRE.preenche(k.chuva);
    c.C.INDK = k.INDK;
    c.C.MM1 = c.C.MM6 = 5;
    c.C.KC(1) = 2;
    c.corre();
    EXPECT_NEAR(c.B.NH(2), k.dia2, 1e-4) << k.INDK << " " << k.chuva;
    EXPECT_NEAR(c.B.NH(10), k.dia10, 1e-4) << k.INDK << " " << k.chuva;
    EXPECT_NEAR(c.B.NH(11), k.dia11, 1e-4) << k.INDK << " " << k.chuva;
  }
}

TEST(Balanco, DrainageDayWithRisingTargetGivesNegativeRunoff) {
  // Land preparation 0.05 m, sowing ("D") at 0.10 m from day 6: on day 6 the basin is set to 0.10 m and
  // ESC = (0.05 - 0.10) x 0.1 / 1 x 10000 = -50, with no irrigation counted that day.
  CasoBalanco c(1, 5, 20, 1, 1, {{1, 0.05f, 1}, {6, 0.10f, 2}, {20, 0, 7}});
  c.S = solo_estanque();
  c.ETP.preenche(5);
  c.corre();
  EXPECT_EQ(c.B.NH(6), 0);
  EXPECT_EQ(c.B.NH(7), 0);
  EXPECT_GT(c.B.NH(5), 0);
  EXPECT_NEAR(c.B.ESUPD(1, 5), -50, 1e-4);
  EXPECT_NEAR(c.B.LAM(6, 1), 0.10f, 1e-7);
}

TEST(Balanco, WindowAfterTheSeason) {
  // Season of 10 days from 1 June (decade 1); the days after it fall in decade 2, whose ETo is 5 and rain 2.
  // Sub-areas still in their season need PH + ETC = 0.0035 + 0.5 at the constant depth 0.10 m.
  const float p = 0.0035f;  // seepage of one sub-area at 0.10 m (KX 0.01, LA 0.5, COTAV 0.5, HVAL 0.1)
  const struct {
    int NCANT;
    float NH11, NH12, ETD, PD;
  } casos[] = {
      // Window 3..10 (NCONT 8), then 5..10 (NCONT 6): ETD = (0.01 x 8 + 0.01 x 6) x 5 x 10.
      {2, 8 * (p + 0.5f - 0.2f), 6 * (p + 0.5f - 0.2f), 7, 2.8f},
      // The window is empty after the season; ETD and PD still count one sub-area a day for 10 days.
      {10, 0, 0, 5, 2},
  };
  for (const auto& k : casos) {
    CasoBalanco c(1, 6, 10, 10, k.NCANT, {{1, 0.10f, 1}});
    c.S = solo_exemplo();
    c.S.KV = 0;
    c.ETP(1, 6) = 7;
    c.ETP(2, 6) = 5;
    c.PRE(2, 6) = 2;
    c.corre();
    EXPECT_NEAR(c.B.NH(11), k.NH11, 1e-4) << k.NCANT;
    EXPECT_NEAR(c.B.NH(12), k.NH12, 1e-4) << k.NCANT;
    EXPECT_NEAR(c.B.PHA(11), (k.NCANT == 2 ? 8 : 0) * p, 1e-6) << k.NCANT;
    EXPECT_NEAR(c.B.ETD(2, 6), k.ETD, 1e-4) << k.NCANT;
    EXPECT_NEAR(c.B.PD(2, 6), k.PD, 1e-4) << k.NCANT;
    EXPECT_EQ(c.B.MESF, 6);
  }
}

TEST(Balanco, FebruaryOfLeapAndCommonYears) {
  // 15 days from 21 February with ETo 1 over the whole block: one mm a day into the day's decade.
  for (int ANO : {2000, 2001}) {
    CasoBalanco c(21, 2, 14, 1, 1, {{1, 0.10f, 1}});
    c.ANO = ANO;
    c.ETP.preenche(1);
    c.S = solo_estanque();
    c.corre();
    const float fevereiro = ANO == 2000 ? 9 : 8;
    EXPECT_NEAR(c.B.ETD(3, 2), fevereiro, 1e-5) << ANO;
    EXPECT_NEAR(c.B.ETD(1, 3), 15 - fevereiro, 1e-5) << ANO;
    EXPECT_EQ(c.B.MESI, 2);
    EXPECT_EQ(c.B.MESF, 3);
    EXPECT_EQ(c.B.ETD(2, 2), 0);
  }
}

TEST(Balanco, DaysPastTheYearStopTheRunNamingTheCropFileAndTheYear) {
  // The season ends on 31 December; the day to finish the irrigation would fall in the next year.
  CasoBalanco c(25, 12, 7, 1, 1, {{1, 0.10f, 1}});
  c.S = solo_estanque();
  try {
    c.corre();
    FAIL() << "no error";
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(e.mensagem(), "Erro no ficheiro c_CUL.txt: a rega de 2001 passa de 31 de dezembro (dias para a terminar: 1)");
  }
}

TEST(Balanco, SmallYearWorkedOutByHand) {
  // Day by day (NEC = PH + PV + ETC - PRC + DEF x 500; PV = 0.5 + LAM; ETC 2.5 in May, 3 in June; PRC 5 in June):
  //  1  no sub-area yet: NH = VF = 0.05 x 10 x (100 + 95) = 97.5
  //  2  sub-area 1: 0.6 + 2.5 = 3.1, plus VF                                          NH 100.6
  //  3-5 both sub-areas 3.1                                                           NH 6.2 each
  //  6  sub-area 2 3.1; sub-area 1 sowing ("D"): set to 0.04, PV 0.54, ESC 0.06 x 500 = 30   NH 3.1
  //  7  both "D": PV 0.54 each, ESC 30 (sub-area 2) and 0                             NH 0
  //  8  sub-area 2 "D" (PV 0.54); sub-area 1 back to 0.10: DEF 0.06: 0.6 + 3 - 5 + 30  NH 28.6
  //  9  sub-area 2 the same 28.6; sub-area 1 -1.4: raised to 0.1028 (cap 0.11), kept   NH 28.6
  // 10  sub-area 2 -1.4, kept at 0.1028 for day 11; sub-area 1 at 0.1028 (PV 0.6028): -1.3972, raised to
  //     0.1055944 above the cap of tomorrow's 0: ESC 52.7972                                NH 0
  // 11  sub-area 2 as sub-area 1 on day 10: ESC 52.7972; sub-area 1 at 0 (no PV) lets out 0.1028 (51.4),
  //     then its surplus of 2 raises it to 0.004, all spilled: ESC 2 replaces the 51.4       NH 0
  // 12  after the season: only sub-area 2 (NCONT 1, ETOA 3, PREA 5), as sub-area 1 on day 11: ESC 2
  CasoBalanco c = caso_pequeno();
  c.corre();
  const float NH[] = {97.5f, 100.6f, 6.2f, 6.2f, 6.2f, 3.1f, 0, 28.6f, 28.6f, 0, 0, 0};
  for (int I = 1; I <= 12; ++I) EXPECT_NEAR(c.B.NH(I), NH[I - 1], 1e-4) << "day " << I;
  EXPECT_NEAR(c.B.LAM(10, 1), 0.1028f, 1e-6);
  EXPECT_NEAR(c.B.LAM(11, 2), 0.1028f, 1e-6);
  const struct {
    const char* nome;
    const TabelaDecadas& t;
    float maio, junho;
  } tabelas[] = {
      {"NDEC", c.B.NDEC, 219.8f, 57.2f},
      {"PVD", c.B.PVD, 0.6f + 3 * 1.2f + 1.14f + 1.08f, 1.14f + 1.2f + 1.2028f + 0.6028f},
      {"ESUPD", c.B.ESUPD, 60, 52.7972f + 54.7972f + 2},
      {"PD", c.B.PD, 0, 4 * 10 + 5},
      {"ETD", c.B.ETD, 7 * 5, 4 * 6 + 3},
      {"PHD", c.B.PHD, 0, 0},
  };
  for (const auto& t : tabelas)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 3; ++d) {
        float esperado = m == 5 && d == 3 ? t.maio : m == 6 && d == 1 ? t.junho : 0;
        EXPECT_NEAR(t.t(d, m), esperado, 1e-4) << t.nome << " " << d << "/" << m;
      }
  EXPECT_EQ(c.B.MESI, 5);
  EXPECT_EQ(c.B.MESF, 6);
}

}  // namespace
