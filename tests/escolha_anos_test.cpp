// The choice of the years of a run: the answers to the year question and the kind of run they give.
#include "escolha_anos.h"

#include <gtest/gtest.h>

#include "cp1252.h"
#include "rotinas_minhas.h"
#include "script_teste.h"

namespace {

struct Escolha : ScriptTeste {
  int32_t ANO = 0, ANOF = 0, ISEQUE_CONST = -1;
  Escolha(const std::vector<std::string>& eventos, int32_t IANO1, int32_t IANO2) : ScriptTeste(eventos) {
    SALTA();
    ESCOLHE_ANOS(IANO1, IANO2, ANO, ANOF, ISEQUE_CONST);
  }
  std::string linha(int l) { return para_utf8(ScriptTeste::linha(l)); }
};

TEST(EscolhaAnos, AnswersToTheYearQuestion) {
  const struct {
    std::vector<std::string> eventos;
    int32_t ANO, ANOF, ISEQUE_CONST;
  } casos[] = {
      {{"type 1995x"}, 1995, 1995, 0},
      {{"type 2009"}, 2009, 2009, 0},
      {{"type 95", "type 1994", "type 2010", "type 2000"}, 2000, 2000, 0},  // outside the period: again
      {{"type abcd", "type  x", "type 2001"}, 2001, 2001, 0},               // not a number: again
      {{"type 1234567890-2000", "type 1997"}, 1997, 1997, 0},               // cut to 9 characters
      {{"type", "click 6 8"}, 1995, 2009, 2},                               // Enter: every common year
      {{"type", "click 5 8", "click 4 10"}, 1995, 2009, 1},
      {{"type 1995-2000", "type 1996-1998", "click 4 10"}, 1996, 1998, 1},  // only the second answer counts
      {{"type 2008-20", "type 1995/2009", "click 6 8"}, 1995, 2009, 2},
      {{"type 1995-2000", "type 2000-1996", "click 4 10"}, 2000, 1996, 1},  // reversed: its first year alone
      {{"type 1995-2000", "type 2000-1990", "click 4 10"}, 2000, 1990, 1},  // even when it ends before the period
      {{"type 1995-2000", "type 1990-1996", "type 1997"}, 1997, 1997, 0},   // begins before the period
      {{"type 1995-2000", "type 2001-2010", "type 1997"}, 1997, 1997, 0},   // ends after it
      {{"type 1995-2000", "type 2010-2012", "type 1997"}, 1997, 1997, 0},
      {{"type 1995-2000", "type 1990-1994", "type 1997"}, 1997, 1997, 0},
      {{"type 1995-2000", "type 19x5-1997", "type 1996-1997", "click 4 10"}, 1996, 1997, 1},  // not years: again
      {{"type 1995-2000", "type", "type 1997"}, 1997, 1997, 0},            // blank fields are 0
  };
  for (const auto& caso : casos) {
    Escolha e(caso.eventos, 1995, 2009);
    std::string ctx = caso.eventos[0] + " / " + caso.eventos[1 % caso.eventos.size()];
    EXPECT_EQ(e.ANO, caso.ANO) << ctx;
    EXPECT_EQ(e.ANOF, caso.ANOF) << ctx;
    EXPECT_EQ(e.ISEQUE_CONST, caso.ISEQUE_CONST) << ctx;
    EXPECT_TRUE(e.eventos_gastos()) << ctx;
  }
}

TEST(EscolhaAnos, QuestionLayoutAndItsRepetitionBelow) {
  Escolha e({"type 1995-2000", "type 1990-1996", "type 2000"}, 2000, 2001);
  EXPECT_EQ(e.linha(3), " Tem disponivel dados meteorológicos da série 2000-2001");
  EXPECT_EQ(e.linha(4), "  Escolha um ano (ex: 2000)");
  EXPECT_EQ(e.linha(5), "  ou uma série de anos (ex: 2001-2000)");
  EXPECT_EQ(e.linha(6), "  ou pressione <enter> para escolher uma série com todos os anos");
  EXPECT_EQ(e.linha(7), "                  =============================================> 1995-2000");
  EXPECT_EQ(e.linha(10), "        Série de anos pretendida? 1990-1996");
  EXPECT_EQ(e.linha(13), " Tem disponivel dados meteorológicos da série 2000-2001");
  EXPECT_EQ(e.linha(17), "                  =============================================> 2000");
  EXPECT_EQ(e.ANO, 2000);
}

TEST(EscolhaAnos, YearsThatAreNotNumbersAreRefusedWithTheReason) {
  Escolha e({"type abcd", "expect 8 1   Escreva o ano em algarismos (ex: 1995).", "expect 11 2 Tem disponivel",
             "type 1995-2000", "type 19x5-1997",
             "expect 19 1         Escreva dois anos de 4 algarismos separados por um carácter (ex: 1995-2009).",
             "expect 22 1         Série de anos pretendida? ", "type 1996-1997", "click 4 10"},
            1995, 2009);
  EXPECT_EQ(e.ANO, 1996);
  EXPECT_EQ(e.ANOF, 1997);
  EXPECT_TRUE(e.eventos_gastos());
}

TEST(EscolhaAnos, OneCommonYearAsksNothing) {
  Escolha e({}, 2000, 2000);
  EXPECT_EQ(e.ANO, 2000);
  EXPECT_EQ(e.ISEQUE_CONST, 0);
  EXPECT_EQ(e.linha(3), "");
}

TEST(EscolhaAnos, SameDataEveryYearHoldsAtMost100Years) {
  Escolha longa({"type", "click 6 8",
                 "expect 1 1  Com os mesmos dados da rega todos os anos a série não pode ter mais de 100 anos",
                 "expect 4 1  Tem disponivel", "type", "click 4 10"},
                1900, 2000);
  EXPECT_EQ(longa.ISEQUE_CONST, 1);
  EXPECT_EQ(longa.ANOF, 2000);
  Escolha cem({"type 1900-1999", "type 1900-1999", "click 6 8"}, 1900, 2000);
  EXPECT_EQ(cem.ISEQUE_CONST, 2);
  EXPECT_EQ(cem.ANOF, 1999);
}

}  // namespace
