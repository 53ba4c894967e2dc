// Calendar conversions: days of the year by the leap rule of years divisible by 4.
#include "calendario.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Calendario, DatesAndDaysOfTheYear) {
  struct Caso {
    int32_t dia, mes, ano, ndia;
  } casos[] = {
      {1, 1, 2001, 1},    {1, 3, 2000, 61},    {1, 3, 2001, 60},  {1, 3, 1900, 61},
      {31, 12, 2000, 366}, {31, 12, 2001, 365}, {29, 2, 2000, 60}, {15, 5, 2001, 135},
  };
  for (const Caso& c : casos) {
    int32_t N = 0, D = 0, M = 0;
    DATADIA(c.mes, c.dia, c.ano, N);
    EXPECT_EQ(N, c.ndia) << c.dia << "/" << c.mes << "/" << c.ano;
    DIADATA(c.ndia, c.ano, D, M);
    EXPECT_EQ(D, c.dia) << c.ndia << " of " << c.ano;
    EXPECT_EQ(M, c.mes) << c.ndia << " of " << c.ano;
  }
  // The day is added as it stands: 31 April is 1 May.
  int32_t N = 0, D = 0, M = 0;
  DATADIA(4, 31, 2001, N);
  EXPECT_EQ(N, 121);
  // February is set anew in every call: day 60 of a leap year, then of a common year.
  DIADATA(60, 2000, D, M);
  EXPECT_EQ(D * 100 + M, 2902);
  DIADATA(60, 2001, D, M);
  EXPECT_EQ(D * 100 + M, 103);
}

TEST(Calendario, EveryDayOfALeapAndACommonYearComesBack) {
  const int32_t comprimento[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int32_t ano : {2000, 2001}) {
    int32_t esperado = 0;
    for (int32_t mes = 1; mes <= 12; ++mes) {
      int32_t dias = mes == 2 && ano % 4 == 0 ? 29 : comprimento[mes - 1];
      for (int32_t dia = 1; dia <= dias; ++dia) {
        int32_t N = 0, D = 0, M = 0;
        DATADIA(mes, dia, ano, N);
        EXPECT_EQ(N, ++esperado);
        DIADATA(N, ano, D, M);
        EXPECT_EQ(D, dia);
        EXPECT_EQ(M, mes);
      }
    }
    EXPECT_EQ(esperado, ano == 2000 ? 366 : 365);
  }
}

TEST(Calendario, MonthsAndDaysOutsideTheYearAreRefused) {
  int32_t N = 0, D = 0, M = 0;
  EXPECT_THROW(DATADIA(0, 1, 2001, N), std::out_of_range);
  EXPECT_THROW(DATADIA(13, 1, 2001, N), std::out_of_range);
  EXPECT_THROW(DIADATA(0, 2001, D, M), std::out_of_range);
  EXPECT_THROW(DIADATA(366, 2001, D, M), std::out_of_range);
  EXPECT_NO_THROW(DIADATA(366, 2000, D, M));
}

// The month lengths that the conversions and the daily balance share, and the last day that a date typed
// without its year may take.
TEST(Calendario, MonthLengthsAndTheLastDayOfAMonthInAnyYear) {
  const struct {
    int32_t mes, ano, dias;
  } casos[] = {{2, 2000, 29}, {2, 2001, 28}, {2, 1900, 29}, {4, 2001, 30},
               {9, 2000, 30}, {1, 2001, 31}, {12, 2000, 31}};
  for (const auto& c : casos) EXPECT_EQ(DIAS_MES(c.mes, c.ano), c.dias) << c.mes << "/" << c.ano;
  const int32_t ultimo[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int32_t mes = 1; mes <= 12; ++mes) EXPECT_EQ(ULTIMO_DIA(mes), ultimo[mes - 1]) << mes;
  EXPECT_THROW(DIAS_MES(0, 2001), std::out_of_range);
  EXPECT_THROW(ULTIMO_DIA(13), std::out_of_range);
}
