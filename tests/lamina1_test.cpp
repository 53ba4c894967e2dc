// The daily target-depth table, the days to flood the block from the flow, and the flooding dialogue.
#include "lamina1.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "consola_script.h"
#include "cp1252.h"
#include "cultura_exemplo.h"
#include "erro.h"
#include "pasta_temporaria.h"
#include "texto.h"

namespace {

struct Ponto {
  int32_t NJU;
  float LAMPED;
  int32_t A;
};

CalendarioLaminas calendario(int32_t NCICLO, std::initializer_list<Ponto> pontos) {
  CalendarioLaminas C;
  C.NCICLO = NCICLO;
  for (const Ponto& p : pontos) {
    ++C.NLAM;
    C.NJU(C.NLAM) = p.NJU;
    C.LAMPED(C.NLAM) = p.LAMPED;
    C.A(C.NLAM) = p.A;
  }
  return C;
}

// The schedule of the worked example: season day 1 on 10 May, end of irrigation on day 124.
const CalendarioLaminas EXEMPLO = calendario(124, {{1, 0.10f, 1},
                                                   {6, 0.05f, 2},
                                                   {26, 0.10f, 3},
                                                   {36, 0.00f, 8},
                                                   {40, 0.10f, 3},
                                                   {46, 0.15f, 4},
                                                   {96, 0.10f, 6},
                                                   {124, 0.00f, 7}});

// Column J of days 1 to ultimo as runs of equal depths: "1-5 0.10, 6-25 0.05, ...".
std::string corridas(const TabelaLaminas& LAM, int32_t J, int32_t ultimo) {
  std::string r;
  for (int32_t I = 1; I <= ultimo;) {
    int32_t fim = I;
    while (fim < ultimo && LAM(fim + 1, J) == LAM(I, J)) ++fim;
    char buf[64];
    snprintf(buf, sizeof buf, "%s%d-%d %.2f", r.empty() ? "" : ", ", I, fim, LAM(I, J));
    r += buf;
    I = fim + 1;
  }
  return r;
}

TEST(TabelaLamp, SubAreasFollowTheScheduleOneDayApart) {
  struct Caso {
    const char* caso;
    CalendarioLaminas C;
    int32_t ND, J;
    std::string esperado;
  } casos[] = {
      {"worked example, column 1", EXEMPLO, 5, 1,
       "1-5 0.10, 6-25 0.05, 26-35 0.10, 36-39 0.00, 40-45 0.10, 46-95 0.15, 96-123 0.10, 124-129 0.00"},
      {"worked example, column 3", EXEMPLO, 5, 3,
       "1-2 0.00, 3-7 0.10, 8-27 0.05, 28-37 0.10, 38-41 0.00, 42-47 0.10, 48-97 0.15, 98-125 0.10, 126-129 0.00"},
      {"worked example, last column", EXEMPLO, 5, 5,
       "1-4 0.00, 5-9 0.10, 10-29 0.05, 30-39 0.10, 40-43 0.00, 44-49 0.10, 50-99 0.15, 100-127 0.10, 128-129 0.00"},
      {"one sub-area", EXEMPLO, 1, 1,
       "1-5 0.10, 6-25 0.05, 26-35 0.10, 36-39 0.00, 40-45 0.10, 46-95 0.15, 96-123 0.10, 124-125 0.00"},
      {"drainage on day 40 for 10 days past a reference date on day 45",
       calendario(60, {{1, 0.10f, 1}, {6, 0.05f, 2}, {40, 0.00f, 8}, {50, 0.05f, 2}, {45, 0.15f, 3}, {60, 0, 7}}), 2, 1,
       "1-5 0.10, 6-39 0.05, 40-49 0.00, 50-59 0.15, 60-62 0.00"},
      {"two break points on one day: the later one holds",
       calendario(30, {{1, 0.10f, 1}, {6, 0.05f, 2}, {20, 0.08f, 3}, {20, 0.02f, 8}, {24, 0.08f, 3}, {30, 0, 7}}), 1, 1,
       "1-5 0.10, 6-19 0.05, 20-23 0.02, 24-29 0.08, 30-31 0.00"},
      {"end-of-irrigation depth above 0, column 2", calendario(20, {{1, 0.10f, 1}, {6, 0.05f, 2}, {20, 0.03f, 7}}), 3,
       2, "1-1 0.00, 2-6 0.10, 7-20 0.05, 21-21 0.03, 22-23 0.00"},
  };
  for (const Caso& c : casos) {
    TabelaLaminas LAM;
    LAM.preenche(-1);
    TABELA_LAMP(c.C, c.ND, LAM);
    EXPECT_EQ(corridas(LAM, c.J, c.C.NCICLO + c.ND), c.esperado) << c.caso;
    // Nothing beyond days NCICLO + ND and columns ND is touched.
    EXPECT_EQ(LAM(c.C.NCICLO + c.ND + 1, 1), -1) << c.caso;
    EXPECT_EQ(LAM(1, c.ND + 1), -1) << c.caso;
  }
}

TEST(NdCaudal, WaterToFloodOverTheDaysDeliveryToTheNearestDay) {
  struct Caso {
    float LAM0, LLAV1, POROS, CAUDAL, HORAS;
    int32_t ND;
  } casos[] = {
      {0.10f, 0.20f, 45, 1.0f, 24, 23},                                    // R = 22.57
      {0.10f, 0.20f, 45, 2.0f, 24, 11},                                    // R = 11.28
      {0.10f, 0.20f, 45, 4.0f, 12, 11},    {0.10f, 0.20f, 45, 50, 24, 0},  // R = 0.45
      {0.10f, 0.20f, 45, 1e-30f, 1, 1000}, {0.10f, 0.20f, 45, 1, 0, 1000},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(ND_CAUDAL(c.LAM0, c.LLAV1, c.POROS, c.CAUDAL, c.HORAS), c.ND) << c.CAUDAL << " " << c.HORAS;
}

// Runs f on a script window; the script's expects hold at the end too.
void no_ecra(std::vector<std::string> script, const std::function<void()>& f) {
  script.push_back("click 1 1");
  std::ostringstream saida;
  ConsolaScript s(script, saida);
  usa_consola(&s);
  try {
    f();
    s.espera_clique();
  } catch (const FimForcado& fim) {
    ADD_FAILURE() << fim.mensagem;
  }
}

// The flooding dialogue over the worked example's schedule, with a season of NCICLO days, and what it sets.
TEST(Alagamento, AnswersAskedAgainRefusedAndTheMenuAgain) {
  struct Caso {
    const char* caso;
    int32_t NCICLO;
    std::vector<std::string> script;
    char ALEF;
    int32_t ND, NCANT;
  } casos[] = {
      {"days from the flow below the menu, then the days to finish",
       124,
       {
           "click 6 30",
           "expect 9 1         Caudal? (l/s)/ha ===========================> ",
           "type 1",
           "expect 10 1         Duração diária da rega? (h) ================> ",
           "type 24",
           "expect 4 8 Opção 1: Número de dias para alagar toda a área",
           "expect 13 9 Indique o tempo que demora a terminar a",
           "expect 14 9 rega do arroz em todo o bloco (<=23 dias) ==> ",
           "type 24",
           "expect 15 9 O tempo tem de ser de 1 a 23 dias.",
           "expect 19 9 rega do arroz em todo o bloco (<=23 dias) ==> ",
           "type 23",
           "expect 22 11 Os dados estão corretos (S/N) ",
           "type s",
           "expect 29 9  A CALCULAR NECESSIDADES DE REGA DO ARROZ",
       },
       '2',
       23,
       23},
      {"answers refused, and the menu again after \"N\"",
       124,
       {
           "click 4 8",
           "type x",
           "expect 10 1      esperava um número inteiro e encontrou \"x\".",
           "type 0",
           "expect 12 9 O número de dias tem de ser de 1 a 50.",
           "type 51",
           "type 5",
           "expect 19 9 rega do arroz em todo o bloco (<= 5 dias) ==> ",
           "type 0",
           "expect 20 9 O tempo tem de ser de 1 a 5 dias.",
           "type 6",
           "type a",
           "expect 26 1      esperava um número inteiro e encontrou \"a\".",
           "type 5",
           "type N",
           "expect 1 8 Escolha uma das opções",
           "click 6 30",
           "type 0",
           "expect 10 9 O caudal tem de ser maior que 0.",
           "type -1",
           "type 2",
           "type 0",
           "expect 15 9 A duração da rega tem de ser maior que 0.",
           "type 24",
           "expect 20 9 rega do arroz em todo o bloco (<=11 dias) ==> ",
           "type 11",
           "type",
       },
       '2',
       11,
       11},
      {"days that do not fit the table bring the menu again",
       190,
       {
           "click 6 30",
           "type 0.1",
           "type 1",
           "expect 11 9 Com este caudal alagar o bloco leva mais de 50 dias (máximo 50).",
           "expect 29 45 Pressione <ENTER> para continuar",
           "type",
           "click 6 30",
           "type 50",
           "type 24",
           "expect 11 9 Com este caudal o bloco alaga-se em menos de meio dia (mínimo 1 dia).",
           "type",
           "click 4 8",
           "type 11",
           "expect 10 9 Impossível: o ciclo de 190 dias mais 11 para alagar o bloco passa os 200 dias do cálculo.",
           "click 1 1",
           "click 4 8",
           "type 10",
           "type 10",
           "type S",
       },
       '1',
       10,
       10},
  };
  for (const Caso& c : casos) {
    ParametrosAlagamento P;
    CalendarioLaminas C = EXEMPLO;
    C.NCICLO = c.NCICLO;
    no_ecra(c.script, [&] { ALAGAMENTO(C, 0.20f, 45, P); });
    EXPECT_EQ(P.ALEF, c.ALEF) << c.caso;
    EXPECT_EQ(P.ND, c.ND) << c.caso;
    EXPECT_EQ(P.NCANT, c.NCANT) << c.caso;
    EXPECT_EQ(P.NDFIM, c.NCANT) << c.caso;
  }
}

// The crop file is read every year; the days to flood come from the flow asked in the first year and
// are computed again from it in a year that asks nothing.
TEST(Lamina1, AYearThatAsksThenOneThatReusesTheStoredFlow) {
  PastaTemporaria pasta;
  ESCREVE_CULTURA("ex_CUL.txt", exemplo());
  CalendarioLaminas C;
  ParametrosAlagamento P;
  TabelaLaminas LAM;
  // Sub-area 23 follows the worked example 22 days late.
  auto confere = [&](const char* ano) {
    EXPECT_EQ(C.NCICLO, 124) << ano;
    EXPECT_EQ(P.ND, 23) << ano;
    EXPECT_EQ(P.NDFIM, 20) << ano;
    EXPECT_EQ(corridas(LAM, 23, 147),
              "1-22 0.00, 23-27 0.10, 28-47 0.05, 48-57 0.10, 58-61 0.00, 62-67 0.10, 68-117 0.15, 118-145 0.10, "
              "146-147 0.00")
        << ano;
    EXPECT_EQ(LAM(1, 24), -1) << ano;
  };
  LAM.preenche(-1);
  no_ecra({"click 6 30", "type 1", "type 24", "type 20", "type S"},
          [&] { LAMINA1("ex", 2001, 0.20f, 45, 1, C, P, LAM); });
  confere("2001");
  P.ND = 0;
  LAM.preenche(-1);
  no_ecra({}, [&] { LAMINA1("ex", 2002, 0.20f, 45, 0, C, P, LAM); });
  confere("2002");
  P.ALEF = '1';
  P.ND = 4;
  no_ecra({}, [&] { LAMINA1("ex", 2003, 0.20f, 45, 0, C, P, LAM); });
  EXPECT_EQ(P.ND, 4);
}

// Seasons the table cannot hold stop the run, before any question, with the crop file's name.
TEST(Lamina1, SeasonsBeyondTheTableStopTheRun) {
  struct Caso {
    const char* caso;
    int32_t sementeira;  // month of sowing, on the 15th
    int32_t ILER;
    char ALEF;
    int32_t ND;
    std::string mensagem;
  } casos[] = {
      {"213 days: no day left to flood", 2, 1, ' ', 0, "o ciclo de 213 dias mais 1 para alagar"},
      {"185 days with 20 kept from the year before", 3, 0, '1', 20, "o ciclo de 185 dias mais 20 para alagar"},
      {"days to flood never asked", 5, 0, '1', 0, "os 0 dias para alagar o bloco"},
  };
  for (const Caso& c : casos) {
    PastaTemporaria pasta;
    DadosCultura D = exemplo();
    D.MMF(1) = c.sementeira;
    ESCREVE_CULTURA("longa_CUL.txt", D);
    CalendarioLaminas C;
    ParametrosAlagamento P;
    P.ALEF = c.ALEF;
    P.ND = c.ND;
    TabelaLaminas LAM;
    no_ecra({}, [&] {
      try {
        LAMINA1("longa", 2001, 0.20f, 45, c.ILER, C, P, LAM);
        ADD_FAILURE() << c.caso;
      } catch (const ErroFicheiro& e) {
        EXPECT_EQ(e.ficheiro, "longa_CUL.txt") << c.caso;
        EXPECT_NE(para_utf8(e.problema).find(c.mensagem), std::string::npos) << para_utf8(e.problema);
      }
    });
  }
  PastaTemporaria pasta;
  CalendarioLaminas C;
  ParametrosAlagamento P;
  TabelaLaminas LAM;
  no_ecra({}, [&] { EXPECT_THROW(LAMINA1("nenhuma", 2001, 0.20f, 45, 1, C, P, LAM), ErroFicheiro); });
}

}  // namespace
