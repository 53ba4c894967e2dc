// The requirement and water-balance reports: the blocks of a year to the column, the report months, the
// gross requirement, values too wide, a series of years and the codes line.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "caso_balanco.h"
#include "consola_script.h"
#include "relatorios.h"
#include "resultados_teste.h"
#include "texto.h"

namespace {

struct Relatorios : ::testing::Test {
  std::ostringstream saida;
  ConsolaScript consola{{}, saida};
  ResultadosTeste R;
  TabelaAnos RMATR;
  void SetUp() override { usa_consola(&consola); }
  void abre(const std::string& cultura = "cult") { ABRE_RELATORIOS(R.NRG, R.BAL, cultura, "solo", "eto", "chuva"); }
  void ano(int ANO, BalancoAno& B, float EA) {
    ANO_NRG(R.NRG, ANO);
    FIM_ANO(R.NRG, R.BAL, B, EA, ANO, nullptr, RMATR, 0);
  }
};

TEST_F(Relatorios, SmallYearWorkedOutByHand) {
  // The small year of the balance tests with EA = 25: requirements 219.8 / 0.75 = 293.07 in the third
  // decade of May and 57.2 / 0.75 = 76.27 in the first of June; percolation 6.42 and 4.1456; runoff 60
  // and 109.5944; rain 0 and 45; ETo 35 and 27.
  abre();
  CasoBalanco c = caso_pequeno();
  c.corre();
  ano(2001, c.B, 25);
  FECHA_RELATORIOS(R.NRG, R.BAL);
  R.conclui();
  const std::vector<std::string> NRG = {
      "                     NECESSIDADES DE REGA DO ARROZ (mm)",
      "",
      "",
      "    Cultura: cult        Solo: solo        ETo: eto         PRE: chuva     ",
      "",
      "",
      "  Ano: 2001",
      "",
      "          MAI   JUN",
      " 1dec.    0.0  76.3",
      " 2dec.    0.0   0.0",
      " 3dec.  293.1   0.0",
      " Mensal 293.1  76.3",
      " " + std::string(83, '-'),
  };
  EXPECT_EQ(registos("x_NRG.txt"), NRG);
  std::vector<std::string> BAL = {"                  COMPONENTES DO BALANCO HIDRICO (mm)", "", "", "  Ano: 2001"};
  const struct {
    const char* titulo;
    const char *d1, *d3, *mensal;
  } tabelas[] = {
      {"PERCOLACAO VERTICAL", "    0.0   4.1", "    6.4   0.0", "   6.4   4.1"},
      {"ESCOAMENTO SUPERFICIAL", "    0.0 109.6", "   60.0   0.0", "  60.0 109.6"},
      {"PRECIPITACAO ", "    0.0  45.0", "    0.0   0.0", "   0.0  45.0"},
      {"EVAPOTRANSPIRACAO CULTURAL", "    0.0  27.0", "   35.0   0.0", "  35.0  27.0"},
  };
  for (const auto& t : tabelas) {
    BAL.push_back("");
    BAL.push_back(std::string(20, ' ') + t.titulo);
    BAL.push_back("          MAI   JUN");
    BAL.push_back(std::string(" 1dec.") + t.d1);
    BAL.push_back(" 2dec.    0.0   0.0");
    BAL.push_back(std::string(" 3dec.") + t.d3);
    BAL.push_back(std::string(" Mensal") + t.mensal);
  }
  BAL.push_back(" " + std::string(70, '-'));
  EXPECT_EQ(registos("x_BAL.txt"), BAL);
  EXPECT_EQ(consola.grelha().linha(), 1) << "nothing on the screen: the run writes the year's end there";
}

TEST_F(Relatorios, FiveMonthsGrossValuesNegativeAndTooWide) {
  BalancoAno B;
  B.MESI = 2;
  B.MESF = 6;
  B.NDEC(1, 1) = 50;  // January is not a report month
  B.NDEC(1, 2) = 8;
  B.NDEC(2, 2) = 4;
  B.NDEC(3, 2) = 0.4f;
  B.NDEC(2, 6) = 800;  // 1000 gross: too wide
  B.ESUPD(3, 4) = -12.34f;
  B.ESUPD(1, 5) = -99.96f;  // -100.0 once rounded: too wide
  B.ESUPD(2, 5) = 999.94f;
  abre();
  ano(2004, B, 20);
  R.conclui();
  const std::vector<std::string> NRG = registos("x_NRG.txt"), BAL = registos("x_BAL.txt");
  ASSERT_EQ(NRG.size(), 13u);
  ASSERT_EQ(BAL.size(), 32u);
  EXPECT_EQ(std::vector<std::string>(NRG.begin() + 8, NRG.end()),
            (std::vector<std::string>{"          FEV   MAR   ABR   MAI   JUN", " 1dec.   10.0   0.0   0.0   0.0   0.0",
                                      " 2dec.    5.0   0.0   0.0   0.0 *****", " 3dec.    0.5   0.0   0.0   0.0   0.0",
                                      " Mensal  15.5   0.0   0.0   0.0 *****"}));
  EXPECT_FLOAT_EQ(B.NDEC(1, 2), 10) << "NDEC is left gross";
  EXPECT_EQ(std::vector<std::string>(BAL.begin() + 12, BAL.begin() + 18),
            (std::vector<std::string>{"                    ESCOAMENTO SUPERFICIAL", "          FEV   MAR   ABR   MAI   JUN",
                                      " 1dec.    0.0   0.0   0.0 *****   0.0", " 2dec.    0.0   0.0   0.0 999.9   0.0",
                                      " 3dec.    0.0   0.0 -12.3   0.0   0.0", " Mensal   0.0   0.0 -12.3 900.0   0.0"}));
}

TEST_F(Relatorios, SeriesOfThreeYears) {
  abre();
  for (int ANO = 1995; ANO <= 1997; ++ANO) {
    BalancoAno B;
    B.MESI = B.MESF = 7;
    ano(ANO, B, 10);
  }
  FECHA_RELATORIOS(R.NRG, R.BAL);
  R.conclui();
  const std::vector<std::string> NRG = registos("x_NRG.txt"), BAL = registos("x_BAL.txt");
  // Five creation lines, three blocks of eight, the closing line; the title, three blocks of 3 + 4 x 7.
  ASSERT_EQ(NRG.size(), 5u + 3 * 8 + 1);
  ASSERT_EQ(BAL.size(), 1u + 3 * 31 + 1);
  EXPECT_EQ(NRG[6], "  Ano: 1995");
  EXPECT_EQ(NRG[22], "  Ano: 1997");
  EXPECT_EQ(BAL[65], "  Ano: 1997");
  EXPECT_EQ(NRG.back(), " " + std::string(83, '-'));
  EXPECT_EQ(BAL.back(), " " + std::string(70, '-'));
  EXPECT_EQ(consola.grelha().linha(), 1) << "nothing on the screen: the run writes the year's end there";
}

TEST_F(Relatorios, AYearWhoseValuesAreNotFiniteStopsBeforeItsBlocks) {
  struct Caso {
    const char* como;
    TabelaDecadas BalancoAno::*T;
    float d1, d2, EA;
  } casos[] = {
      {"an infinite decade", &BalancoAno::ETD, INFINITY, 0, 10},
      {"nan", &BalancoAno::PVD, NAN, 0, 10},
      {"a monthly sum past the largest float", &BalancoAno::ESUPD, 2e38f, 2e38f, 10},
      {"a gross requirement past it", &BalancoAno::NDEC, 3e38f, 0, 50},
  };
  abre();
  for (const Caso& c : casos) {
    BalancoAno B;
    B.MESI = B.MESF = 7;
    (B.*c.T)(1, 7) = c.d1;
    (B.*c.T)(2, 7) = c.d2;
    try {
      FIM_ANO(R.NRG, R.BAL, B, c.EA, 2003, nullptr, RMATR, 0);
      ADD_FAILURE() << c.como;
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(e.mensagem(), "Erro: o cálculo do ano 2003 dá valores infinitos ou indefinidos (verifique os dados)"_w)
          << c.como;
    }
  }
  R.conclui();
  EXPECT_EQ(registos("x_BAL.txt").size(), 1u) << "the title alone";
  EXPECT_EQ(registos("x_NRG.txt").size(), 5u) << "the creation lines alone";
}

TEST_F(Relatorios, CodesLineShowsTenCharactersOfEachCode) {
  abre(fixo("arroz_tardio_2", 98));
  R.conclui();
  EXPECT_EQ(registos("x_NRG.txt")[3], "    Cultura: arroz_tard  Solo: solo        ETo: eto         PRE: chuva     ");
}

}  // namespace
