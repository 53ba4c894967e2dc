// The target-depth schedule built from a crop file, and the crop files it refuses.
#include "lercult.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "cp1252.h"
#include "cultura_exemplo.h"
#include "erro.h"
#include "pasta_temporaria.h"
#include "texto.h"

namespace {

// 15 May is day 135 of 2001.
constexpr int32_t ANO = 2001;

struct Ponto {
  int32_t dia;
  float lamina;
  int32_t origem;
};

// The schedule of the worked example.
const std::vector<Ponto> EXEMPLO = {{1, 0.10f, 1},  {6, 0.05f, 2},  {26, 0.10f, 3}, {36, 0.00f, 8},
                                    {40, 0.10f, 3}, {46, 0.15f, 4}, {96, 0.10f, 6}, {124, 0.00f, 7}};

CalendarioLaminas le_exemplo(const DadosCultura& D) {
  ESCREVE_CULTURA("ex_CUL.txt", D);
  CalendarioLaminas C;
  LERCULT("ex", ANO, C);
  return C;
}

void confere(const CalendarioLaminas& C, const std::vector<Ponto>& esperado, const std::string& caso) {
  ASSERT_EQ(C.NLAM, static_cast<int32_t>(esperado.size())) << caso;
  for (size_t k = 1; k <= esperado.size(); ++k) {
    EXPECT_EQ(C.NJU(k), esperado[k - 1].dia) << caso << " k=" << k;
    EXPECT_EQ(C.LAMPED(k), esperado[k - 1].lamina) << caso << " k=" << k;
    EXPECT_EQ(C.A(k), esperado[k - 1].origem) << caso << " k=" << k;
  }
  // The daily balance reads the day after the last break point as the end of its period.
  for (int k = C.NLAM + 1; k <= 25; ++k) {
    EXPECT_EQ(C.NJU(k), 0) << caso << " k=" << k;
    EXPECT_EQ(C.LAMPED(k), 0) << caso << " k=" << k;
    EXPECT_EQ(C.A(k), 0) << caso << " k=" << k;
  }
}

}  // namespace

TEST(Lercult, WorkedExample) {
  PastaTemporaria p;
  CalendarioLaminas C = le_exemplo(exemplo());
  confere(C, EXEMPLO, "exemplo");
  EXPECT_EQ(C.NCICLO, 124);
  EXPECT_EQ(C.DD, 10);
  EXPECT_EQ(C.MM, 5);
  EXPECT_EQ(C.TOL, 12.5f);
  EXPECT_EQ(C.INDK, 2);
  EXPECT_EQ(C.MM1, 5);
  EXPECT_EQ(C.MM6, 9);
  EXPECT_EQ(C.KC(4), 1.25f);
}

TEST(Lercult, FileThatTheDialogueWrote) {
  PastaTemporaria p;
  grava("arrozal_2001_CUL.txt", le(TESTS_DIR "/sessions/cultura_completa/esperado/arrozal_2001_CUL.txt"));
  CalendarioLaminas C;
  LERCULT("arrozal_2001", ANO, C);
  confere(C, EXEMPLO, "dialogue");
  EXPECT_EQ(C.NCICLO * 10000 + C.DD * 100 + C.MM, 1241005);
  EXPECT_EQ(C.TOL, 10);
  EXPECT_EQ(C.KC(5), 1);
}

TEST(Lercult, CasesThatChangeTheSchedule) {
  PastaTemporaria p;
  struct Caso {
    const char* nome;
    std::function<void(DadosCultura&)> muda;
    std::vector<Ponto> esperado;
  } casos[] = {
      {"sowing depth equal to the initial one, no drainage",
       [](DadosCultura& D) {
         D.LAMF(1) = 0.10f;
         D.RESPDREN = 'n';
       },
       {{1, 0.10f, 1}, {46, 0.15f, 4}, {96, 0.10f, 6}, {124, 0.00f, 7}}},
      {"drainage on a reference date",
       [](DadosCultura& D) {
         D.DDREN(1) = 24;
         D.MDREN(1) = 6;
       },
       {{1, 0.10f, 1}, {6, 0.05f, 2}, {26, 0.10f, 3}, {46, 0.15f, 4}, {46, 0.00f, 8}, {50, 0.15f, 4},
        {96, 0.10f, 6}, {124, 0.00f, 7}}},
      {"drainages out of date order",
       [](DadosCultura& D) {
         D.NDREN = 2;
         D.DDREN(1) = 3;
         D.MDREN(1) = 8;
         D.LAMDREN(1) = 0.02f;
         D.DIASDREN(1) = 6;
         D.DDREN(2) = 14;
         D.MDREN(2) = 6;
         D.LAMDREN(2) = 0;
         D.DIASDREN(2) = 4;
       },
       {{1, 0.10f, 1}, {6, 0.05f, 2}, {26, 0.10f, 3}, {36, 0.00f, 9}, {40, 0.10f, 3}, {46, 0.15f, 4},
        {86, 0.02f, 8}, {92, 0.15f, 5}, {96, 0.10f, 6}, {124, 0.00f, 7}}},
      {"dates that no year has, as a stored file may hold them: their days counted on (35/05 is 04/06)",
       [](DadosCultura& D) {
         D.DDF(2) = 35;
         D.MMF(2) = 5;
         D.DDREN(1) = 45;
         D.MDREN(1) = 5;
       },
       EXEMPLO},
      {"drainage of 0 days", [](DadosCultura& D) { D.DIASDREN(1) = 0; },
       {{1, 0.10f, 1}, {6, 0.05f, 2}, {26, 0.10f, 3}, {36, 0.00f, 8}, {36, 0.10f, 3}, {46, 0.15f, 4},
        {96, 0.10f, 6}, {124, 0.00f, 7}}},
      {"drainage at the depth in force", [](DadosCultura& D) { D.LAMDREN(1) = 0.10f; },
       {{1, 0.10f, 1}, {6, 0.05f, 2}, {26, 0.10f, 3}, {46, 0.15f, 4}, {96, 0.10f, 6}, {124, 0.00f, 7}}},
      {"drainage lasting past the next reference date, end-of-irrigation depth not 0",
       [](DadosCultura& D) {
         D.DIASDREN(1) = 15;
         D.LAMF(6) = 0.02f;
       },
       {{1, 0.10f, 1}, {6, 0.05f, 2}, {26, 0.10f, 3}, {36, 0.00f, 8}, {51, 0.10f, 3}, {46, 0.15f, 4},
        {96, 0.10f, 6}, {124, 0.02f, 7}}},
  };
  for (const Caso& c : casos) {
    DadosCultura D = exemplo();
    c.muda(D);
    confere(le_exemplo(D), c.esperado, c.nome);
  }
}

TEST(Lercult, EachYearItsCalendarAndItsClearedTail) {
  PastaTemporaria p;
  // A sowing on 6 January starts the season on 1 January; across February the season day shifts.
  DadosCultura D = exemplo();
  D.DDFASE(1) = D.DDF(1) = 6;
  D.MMFASE(1) = D.MMF(1) = 1;
  D.INDK = 1;
  ESCREVE_CULTURA("ex_CUL.txt", D);
  CalendarioLaminas C;
  C.KC(1) = 3;
  // A longer schedule first: the second call clears what the first left after its last break point.
  C.NLAM = 25;
  C.NJU.preenche(7);
  C.A.preenche(7);
  C.LAMPED.preenche(7);
  LERCULT("ex", 2001, C);
  EXPECT_EQ(C.DD * 100 + C.MM, 101);
  EXPECT_EQ(C.NCICLO, 253);
  EXPECT_EQ(C.KC(1), 3) << "constant coefficient: KC keeps its contents";
  confere(C,
          {{1, 0.10f, 1}, {6, 0.05f, 2}, {155, 0.10f, 3}, {165, 0.00f, 8}, {169, 0.10f, 3}, {175, 0.15f, 4},
           {225, 0.10f, 6}, {253, 0.00f, 7}},
          "2001");
  for (int k = 26; k <= 100; ++k) EXPECT_EQ(C.NJU(k) + C.A(k), 0) << k;
  LERCULT("ex", 2000, C);
  EXPECT_EQ(C.NCICLO, 254);
  EXPECT_EQ(C.NJU(3), 156);
}

TEST(Lercult, CodeAtItsFullLength) {
  PastaTemporaria p;
  std::string codigo(60, 'c');
  ESCREVE_CULTURA(codigo + "_CUL.txt", exemplo());
  CalendarioLaminas C;
  LERCULT(fixo(codigo, 98), ANO, C);
  EXPECT_EQ(C.NLAM, 8);
}

TEST(Lercult, RefusedCropFilesNameTheFileAndTheFault) {
  PastaTemporaria p;
  struct Caso {
    const char* nome;
    std::function<void(DadosCultura&)> muda;
    std::function<std::string(std::string)> edita;  // of the file written
    const char* problema;                            // UTF-8, part of the message
  } casos[] = {
      {"five reference dates", nullptr, [](std::string f) { return "    5" + f.substr(5); },
       "o número de datas de referência é 5 e devia ser 6"},
      {"month 13 of a reference date", [](DadosCultura& D) { D.MMF(3) = 13; }, nullptr,
       "mês 13 fora de 1 a 12 na data de referência 3"},
      {"month 0 of a drainage", [](DadosCultura& D) { D.MDREN(1) = 0; }, nullptr,
       "mês 0 fora de 1 a 12 na data da drenagem 1"},
      {"ten drainages", [](DadosCultura& D) { D.NDREN = 10; }, nullptr, "número de drenagens 10 fora de 0 a 9"},
      {"sowing on 5 January",
       [](DadosCultura& D) {
         D.DDF(1) = 5;
         D.MMF(1) = 1;
       },
       nullptr, "sementeira a  5/ 1: o início da época, 5 dias antes, cai fora do ano 2001"},
      {"sowing after the end of the year",
       [](DadosCultura& D) {
         D.DDF(1) = 99;
         D.MMF(1) = 12;
       },
       nullptr, "cai fora do ano"},
      {"drainage before the season",
       [](DadosCultura& D) {
         D.DDREN(1) = 9;
         D.MDREN(1) = 5;
       },
       nullptr, "a drenagem 1 ( 9/ 5) vem antes do início da época (10/ 5)"},
      {"reference date before the season",
       [](DadosCultura& D) {
         D.DDF(3) = 1;
         D.MMF(3) = 5;
       },
       nullptr, "a data de referência 3 ( 1/ 5) vem antes do início da época (10/ 5)"},
      {"end of irrigation the day after 31 December",
       [](DadosCultura& D) {
         D.DDF(6) = 32;
         D.MMF(6) = 12;
       },
       nullptr, "o fim da rega (32/12) cai depois de 31 de dezembro de 2001"},
      {"end of irrigation before the sowing",
       [](DadosCultura& D) {
         D.DDF(6) = 14;
         D.MMF(6) = 5;
       },
       nullptr, "o fim da rega (14/ 5) vem antes da sementeira (15/ 5)"},
      {"coefficient option 3", [](DadosCultura& D) { D.INDK = 3; }, nullptr,
       "opção de coeficientes culturais 3 (devia ser 1 ou 2)"},
      {"harvest month before the sowing month", [](DadosCultura& D) { D.MMFASE(6) = 4; }, nullptr,
       "coeficientes mensais da sementeira (mês 5) à colheita (mês 4)"},
      {"eight months of coefficients",
       [](DadosCultura& D) {
         D.MMFASE(1) = 3;
         D.MMFASE(6) = 10;
         D.INDK = 1;
       },
       [](std::string f) { return f.substr(0, f.size() - 4) + " 2\r\n 1 1 1 1 1 1 1 1\r\n"; },
       "coeficientes mensais da sementeira (mês 3) à colheita (mês 10)"},
  };
  for (const Caso& c : casos) {
    DadosCultura D = exemplo();
    if (c.muda) c.muda(D);
    ESCREVE_CULTURA("mau_CUL.txt", D);
    if (c.edita) grava("mau_CUL.txt", c.edita(le("mau_CUL.txt")));
    CalendarioLaminas C;
    try {
      LERCULT("mau", ANO, C);
      ADD_FAILURE() << c.nome << ": accepted";
    } catch (const ErroFicheiro& e) {
      EXPECT_EQ(e.ficheiro, "mau_CUL.txt") << c.nome;
      EXPECT_NE(para_utf8(e.problema).find(c.problema), std::string::npos) << c.nome << ": " << e.what();
    }
  }
}

TEST(Ordena, StableAscendingWithItsCompanion) {
  struct Caso {
    std::vector<int32_t> chaves, esperadas, origens;  // origens: the positions after the sort
    int32_t n;
  } casos[] = {
      {{5, 3, 3, 1, 9}, {1, 3, 3, 5, 9}, {4, 2, 3, 1, 5}, 5},
      {{2, 2, 2}, {2, 2, 2}, {1, 2, 3}, 3},
      {{4, 3, 2, 1}, {3, 4, 2, 1}, {2, 1, 3, 4}, 2},
      {{4, 3}, {4, 3}, {1, 2}, 1},
  };
  for (const Caso& c : casos) {
    Tabela<int32_t, 100> X, A;
    for (size_t i = 1; i <= c.chaves.size(); ++i) {
      X(i) = c.chaves[i - 1];
      A(i) = static_cast<int32_t>(i);
    }
    ORDENA(X, A, c.n);
    for (size_t i = 1; i <= c.chaves.size(); ++i) {
      EXPECT_EQ(X(i), c.esperadas[i - 1]) << "n=" << c.n << " i=" << i;
      EXPECT_EQ(A(i), c.origens[i - 1]) << "n=" << c.n << " i=" << i;
    }
  }
}
