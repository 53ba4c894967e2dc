// A year of the calculation run: its balance and its blocks of the reports, and its end on the screen.
#include "resultados_ano.h"

#include <gtest/gtest.h>

#include <memory>

#include "caso_balanco.h"
#include "resultados_teste.h"
#include "script_teste.h"

namespace {

// The small year worked out by hand, computed three times as the years of a series with data varying:
// each year adds its block to the requirement report, and one empty line to the screen.
TEST(ResultadosAno, EachYearWritesItsBlocksAndOneEmptyLineOnTheScreen) {
  ScriptTeste s({});
  PastaTemporaria p;
  const CasoBalanco c = caso_pequeno();
  auto C = std::make_unique<Calculo>();
  C->RES.NRG.emplace("x_NRG.txt");
  C->RES.BAL.emplace("x_BAL.txt");
  C->COD.CULTURA = "c";
  C->CAL = c.C;
  C->ALAG = c.P;
  C->LAMP = c.LAMP;
  C->ETP = c.ETP;
  C->PRE = c.PRE;
  C->SOLO = c.S;
  C->RU0 = c.RU0;
  C->AREA = c.AREA;
  C->EA = 25;
  C->ISEQUE_CONST = 1;
  for (C->ANO = 2001; C->ANO <= 2003; ++C->ANO) BALANCO_ANO(*C);
  C->RES.NRG->conclui();
  C->RES.BAL->conclui();
  const std::vector<std::string> NRG = registos("x_NRG.txt");
  ASSERT_EQ(NRG.size(), 3u * 8);
  EXPECT_EQ(NRG[17], "  Ano: 2003");
  EXPECT_EQ(NRG[22], " 3dec.  293.1   0.0");
  EXPECT_EQ(registos("x_BAL.txt").size(), 3u * 31);
  EXPECT_EQ(s.c.grelha().linha(), 4);
}

}  // namespace
