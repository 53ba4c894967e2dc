// Typed answers shared by the dialogues: a question answered by one free-form number.
#include "respostas.h"

#include <gtest/gtest.h>

#include "cp1252.h"
#include "script_teste.h"

TEST(PerguntaReal, DecimalCommasAreRefusedWithTheReasonAndTheQuestionAgain) {
  ScriptTeste s({"type 0,25", "type 1.5 2.5"});
  float v = PERGUNTA_REAL({"Porosidade"}, "  Valor? ", [](float, std::string&) { return true; });
  EXPECT_EQ(v, 1.5f);
  EXPECT_TRUE(s.eventos_gastos());
  const char* ecra[] = {"Porosidade", "  Valor? 0,25", "     \"0,25\" tem vírgula decimal: use o ponto.",
                        "Porosidade", "  Valor? 1.5 2.5"};
  for (int l = 1; l <= 5; ++l) EXPECT_EQ(para_utf8(s.linha(l)), ecra[l - 1]) << l;
}

// A question that asks again without a word when its answer cannot be read still says why a decimal
// comma is refused; for a whole number, that a whole number is expected.
TEST(PerguntaInteiro, DecimalCommaSaysAWholeNumberIsExpectedWhereOtherAnswersAreAskedAgainSilently) {
  ScriptTeste s({"type x", "type 4,5", "type 4, 5"});
  int32_t v = PERGUNTA_INTEIRO({}, "  Dias? ", [](int32_t, std::string&) { return true; });
  EXPECT_EQ(v, 4);
  EXPECT_TRUE(s.eventos_gastos());
  const char* ecra[] = {"  Dias? x", "  Dias? 4,5", "     esperava um número inteiro e encontrou \"4,5\".",
                        "  Dias? 4, 5"};
  for (int l = 1; l <= 4; ++l) EXPECT_EQ(para_utf8(s.linha(l)), ecra[l - 1]) << l;
}
