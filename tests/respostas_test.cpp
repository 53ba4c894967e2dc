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
