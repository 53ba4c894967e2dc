// Messages of the program's own: broken at blanks within the 100 columns, on rows that hold nothing else.
#include "mensagem.h"

#include <gtest/gtest.h>

#include "consola.h"
#include "script_teste.h"
#include "texto.h"

namespace {

std::string x(size_t n) { return std::string(n, 'x'); }
std::string b(size_t n) { return std::string(n, ' '); }

TEST(Mensagem, RowsBreakAtBlanksUnderTheFirstRowsText) {
  const std::string nome = "Erro no ficheiro " + x(50) + "_ET0.txt, linha 4:";
  struct {
    std::string texto;
    int coluna;
    std::vector<std::string> linhas;  // each padded to the end of its row
  } casos[] = {
      {" Erro: curto", 1, {" Erro: curto"}},
      // Blanks inside a row stay as written; those at a break are dropped.
      {"a  b   ", 1, {"a  b"}},
      {" " + nome + " \"1,00\" tem vírgula decimal: use o ponto (ano 2000)"_w, 1,
       {" " + nome + " \"1,00\" tem", b(1) + "vírgula decimal: use o ponto (ano 2000)"_w}},
      {b(5) + x(95) + "   seguinte", 1, {b(5) + x(95), b(5) + "seguinte"}},
      // A word longer than a row is cut at column 100 only: it begins where it stands.
      {b(5) + x(150), 1, {b(5) + x(95), b(5) + x(55)}},
      {"abc " + x(150) + " fim", 1, {"abc " + x(96), x(54) + " fim"}},
      // From the middle of a row, the text of the next rows stands under the first's.
      {"  " + x(30) + " " + x(30), 60, {"  " + x(30), b(61) + x(30)}},
      {"", 1, {""}},
      {"", 40, {""}},
  };
  for (const auto& c : casos) {
    std::vector<std::string> esperadas;
    for (size_t i = 0; i < c.linhas.size(); ++i) esperadas.push_back(fixo(c.linhas[i], i == 0 ? 101 - c.coluna : 100));
    EXPECT_EQ(linhas_mensagem(c.texto, c.coluna), esperadas) << c.texto;
  }
}

TEST(Mensagem, ItsRowsHoldNothingLeftOverAndTheNextOutputBeginsAfterThem) {
  ScriptTeste s({});
  for (int l = 1; l <= 3; ++l) {
    qw::fq_settextposition(l, 1);
    qw::fq_outtext(std::string(100, 'm'));
  }
  qw::fq_settextposition(1, 1);
  mensagem(" " + x(98) + " fim");
  EXPECT_EQ(s.linha(1), " " + x(98));
  EXPECT_EQ(s.linha(2), " fim");
  EXPECT_EQ(s.linha(3), std::string(100, 'm'));
  EXPECT_EQ(s.c.grelha().linha(), 3);
  EXPECT_EQ(s.c.grelha().coluna(), 1);
  // A wrap left pending at column 100: the message begins on the next row.
  qw::fq_settextposition(2, 100);
  qw::fq_outtext("z");
  mensagem("");
  EXPECT_EQ(s.linha(3), "");
  EXPECT_EQ(s.c.grelha().linha(), 4);
}

}  // namespace
