// The frequency file: its rows year by year through the year end of the reports, the mean year and the
// frequency analysis with its two sorts, the flow of the peak and February's third decade.
#include <gtest/gtest.h>

#include <sstream>

#include "consola_script.h"
#include "frequencia.h"
#include "relatorios.h"
#include "resultados_teste.h"
#include "texto.h"

namespace {

TEST(Frequencia, FileOfARunOfThreeYears) {
  std::ostringstream saida;
  ConsolaScript consola({}, saida);
  usa_consola(&consola);
  ResultadosTeste R;
  TabelaAnos RMATR;
  int32_t IIA = 0;
  // EA 50 doubles every net value. 2001 and 2002: 20 in May's first decade and 60 in June's third (peak
  // 60 / 10 days = 6, annual 80); 2003, from April: 10 in every decade (peak 1, annual 90).
  for (int ANO = 2001; ANO <= 2003; ++ANO) {
    if (!R.FRQ) CRIA_FRQ(R.FRQ, fixo("x", 98));
    ANO_NRG(R.NRG, ANO);
    ++IIA;
    BalancoAno B;
    B.MESI = ANO == 2003 ? 4 : 5;
    B.MESF = 6;
    if (ANO < 2003) {
      B.NDEC(1, 5) = 10;
      B.NDEC(3, 6) = 30;
    } else {
      for (int m = 4; m <= 6; ++m)
        for (int d = 1; d <= 3; ++d) B.NDEC(d, m) = 5;
    }
    FIM_ANO(R.NRG, R.BAL, B, 50, ANO, &*R.FRQ, RMATR, IIA);
  }
  ANALISE_FRQ(*R.FRQ, RMATR, IIA, 2001, 4, 6);
  R.conclui();
  const std::vector<std::string> FRQ = {
      " NECESSIDADES DECENDIAIS DE REGA (mm)",
      "\tMAI\tJUN\t",
      " 2001",
      " 1º dec.\t 20.0\t  0.0\t"_w,
      " 2º dec.\t  0.0\t  0.0\t"_w,
      " 3º dec.\t  0.0\t 60.0\t"_w,
      " 2002",
      " 1º dec.\t 20.0\t  0.0\t"_w,
      " 2º dec.\t  0.0\t  0.0\t"_w,
      " 3º dec.\t  0.0\t 60.0\t"_w,
      " 2003",
      " 1º dec.\t 10.0\t 10.0\t 10.0\t"_w,
      " 2º dec.\t 10.0\t 10.0\t 10.0\t"_w,
      " 3º dec.\t 10.0\t 10.0\t 10.0\t"_w,
      " Ano médio"_w,
      " 1º dec.\t  3.3\t 16.7\t  3.3\t"_w,
      " 2º dec.\t  3.3\t  3.3\t  3.3\t"_w,
      " 3º dec.\t  3.3\t  3.3\t 43.3\t"_w,
      "",
      "ANÁLISE FREQUENCIAL DAS NECESSIDADES DE REGA"_w,
      "Frequência\tCaudal fictício contínuo\t\t\tNecessidades  anuais"_w,
      "(%)\t(l/s/ha)\t(mm/dia)\tano\t(mm)\tano",
      // Each column sorted on its own; the equal values of 2001 and 2002 keep the order of their years.
      "    25.0\t    0.12\t    1.00\t2003\t   80.00\t2001",
      "    50.0\t    0.69\t    6.00\t2001\t   80.00\t2002",
      "    75.0\t    0.69\t    6.00\t2002\t   90.00\t2003",
  };
  EXPECT_EQ(registos("x_frq.txt"), FRQ);
  EXPECT_EQ(RMATR(1)(1, 5), 20);
  EXPECT_EQ(RMATR(3)(2, 4), 10);
  EXPECT_EQ(RMATR(3)(1, 1), 0);
}

// The analysis rows of a run from ANOI whose years hold the given gross decade values.
std::vector<std::string> analise(int32_t ANOI, const std::vector<TabelaDecadas>& anos) {
  PastaTemporaria pasta;
  TabelaAnos RMATR;
  for (size_t p = 0; p < anos.size(); ++p) RMATR(static_cast<int>(p + 1)) = anos[p];
  FicheiroEscrita FRQ("f.txt");
  ANALISE_FRQ(FRQ, RMATR, static_cast<int32_t>(anos.size()), ANOI, 1, 12);
  FRQ.conclui();
  std::vector<std::string> r = registos("f.txt");
  return std::vector<std::string>(r.end() - static_cast<long>(anos.size()), r.end());
}

TabelaDecadas decada(int d, int m, float valor) {
  TabelaDecadas T;
  T(d, m) = valor;
  return T;
}

TEST(Frequencia, AnalysisRows) {
  // One year: the frequency 50; a peak of 8.64 mm/day is the flow 1.00 l/s/ha.
  EXPECT_EQ(analise(1990, {decada(1, 7, 86.4f)}),
            std::vector<std::string>{"    50.0\t    1.00\t    8.64\t1990\t   86.40\t1990"});
  // A year without any requirement.
  EXPECT_EQ(analise(1990, {TabelaDecadas{}}),
            std::vector<std::string>{"    50.0\t    0.00\t    0.00\t1990\t    0.00\t1990"});
  // The same third decade of February over 9 days in 2000 and over 8 in 2001.
  EXPECT_EQ(analise(2000, {decada(3, 2, 18), decada(3, 2, 18)}),
            (std::vector<std::string>{"    33.3\t    0.23\t    2.00\t2000\t   18.00\t2000",
                                      "    66.7\t    0.26\t    2.25\t2001\t   18.00\t2001"}));
  // Third decades of 11 days; ten years give the first frequency 9.1.
  std::vector<TabelaDecadas> dez;
  for (int p = 10; p >= 1; --p) dez.push_back(decada(3, 1, 11.0f * p));
  const std::vector<std::string> linhas = analise(1981, dez);
  EXPECT_EQ(linhas.front(), "     9.1\t    0.12\t    1.00\t1990\t   11.00\t1990");
  EXPECT_EQ(linhas.back(), "    90.9\t    1.16\t   10.00\t1981\t  110.00\t1981");
}

TEST(Frequencia, ASumPastTheLargestFloatNamesTheYearThatMadeIt) {
  TabelaDecadas dois_meses = decada(1, 5, 2e38f);
  dois_meses(1, 6) = 2e38f;
  const struct {
    std::vector<TabelaDecadas> anos;
    const char* ano;
  } casos[] = {
      {{decada(1, 5, 1), dois_meses}, "1991"},                     // the year's annual requirement
      {{decada(1, 5, 2e38f), decada(1, 5, 2e38f)}, "1991"},        // the sum for the mean year
      {{decada(1, 5, 2e38f), decada(1, 6, 2e38f)}, nullptr},      // each sum fits
  };
  for (const auto& c : casos) {
    try {
      analise(1990, c.anos);
      EXPECT_EQ(c.ano, nullptr);
    } catch (const ErroFicheiro& e) {
      ASSERT_NE(c.ano, nullptr);
      EXPECT_NE(e.problema.find(std::string("ano ") + c.ano), std::string::npos) << e.problema;
    }
  }
}

}  // namespace
