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

// An answer that cannot be read is asked again after a line that says why; for a whole number, a decimal
// comma says that a whole number is expected.
TEST(PerguntaInteiro, AnAnswerThatCannotBeReadSaysWhyAndADecimalCommaThatAWholeNumberIsExpected) {
  ScriptTeste s({"type x", "type 4,5", "type 4, 5"});
  int32_t v = PERGUNTA_INTEIRO({}, "  Dias? ", [](int32_t, std::string&) { return true; });
  EXPECT_EQ(v, 4);
  EXPECT_TRUE(s.eventos_gastos());
  const char* ecra[] = {"  Dias? x", "     esperava um número inteiro e encontrou \"x\".", "  Dias? 4,5",
                        "     esperava um número inteiro e encontrou \"4,5\".", "  Dias? 4, 5"};
  for (int l = 1; l <= 5; ++l) EXPECT_EQ(para_utf8(s.linha(l)), ecra[l - 1]) << l;
}
