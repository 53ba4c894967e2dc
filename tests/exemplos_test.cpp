// The sample data folder: every file reads with the program's own readers, and a year of it gives a
// plausible requirement for flooded rice in a Mediterranean climate.
#include <gtest/gtest.h>

#include <string>

#include "balanco.h"
#include "convert_pre.h"
#include "pasta_temporaria.h"
#include "series.h"

namespace {

const std::string EXEMPLOS = std::string(TESTS_DIR) + "/../examples/";

TEST(Exemplos, OneYearOfTheSampleFilesGivesAPlausibleRequirement) {
  PastaTemporaria pasta;
  for (const char* f : {"exemplo_CUL.txt", "exemplo_FRT.txt", "exemplo_ET0.txt", "exemplo_pre.txt"})
    grava(f, le(EXEMPLOS + f));
  DadosSolo S;
  LE_SOLO("exemplo", S);
  EXPECT_FLOAT_EQ(S.KV, 0.001f);
  EXPECT_FLOAT_EQ(S.TF, 1.5f);

  SERIE ET0("exemplo_ET0.txt"), PRE("exemplo_pre.txt");
  LE_CABECALHO(ET0);
  LE_CABECALHO(PRE);
  int32_t IANO1 = 0, IANO2 = 0;
  PERIODO_COMUM(ET0, PRE, IANO1, IANO2);
  EXPECT_EQ(ET0.ITIPO, 3);
  EXPECT_EQ(PRE.ITIPO, 1);
  EXPECT_EQ(IANO1, 1990);
  EXPECT_EQ(IANO2, 2009);
  EXPECT_GE(IANO2 - IANO1 + 1, 15);

  const int32_t ANO = 1990;
  TabelaDecadas ETP, P;
  int32_t ANOL = 0;
  LE_ANO(ET0, ANO, ETP, ANOL);
  LE_ANO(PRE, ANO, P, ANOL);
  CONVERT_PRE(P, 1, ANO, 1);
  REPETE_DECADAS(P);

  CalendarioLaminas C;
  LERCULT("exemplo", ANO, C);
  EXPECT_EQ(C.NCICLO, 124);
  EXPECT_EQ(C.DD, 5);
  EXPECT_EQ(C.MM, 5);
  EXPECT_EQ(C.INDK, 2);
  ParametrosAlagamento A;
  A.ND = 10;
  A.NCANT = A.NDFIM = 5;
  TabelaLaminas LAMP;
  TABELA_LAMP(C, A.ND, LAMP);
  Tabela2<float, 12, 3> KCD;
  BalancoAno B;
  BALANCO("exemplo_CUL.txt", ANO, C, A, LAMP, ETP, P, S, 50, 0.1f, KCD, B);
  float total = 0;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 3; ++d) total += B.NDEC(d, m);
  EXPECT_EQ(B.MESI, 5);
  EXPECT_EQ(B.MESF, 9);
  // Net need of a flooded rice season of four months: roughly 1000 to 1600 mm.
  EXPECT_GT(total, 900);
  EXPECT_LT(total, 1800);
}

}  // namespace
