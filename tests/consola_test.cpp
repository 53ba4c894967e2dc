// The grid and the script window: wrap, scroll, records, colours, clicks and the script's exit statuses.
#include <gtest/gtest.h>

#include "consola_script.h"
#include "cp1252.h"
#include "rotinas_minhas.h"
#include "script_teste.h"

namespace {

TEST(Grelha, OutputWrapsAndRecordsEndingAtColumn100AddNoEmptyRow) {
  ScriptTeste s({});
  qw::fq_settextposition(1, 95);
  qw::fq_outtext("abcdefgh");
  EXPECT_EQ(s.linha(1).substr(94), "abcdef");
  EXPECT_EQ(s.linha(2), "gh");
  qw::fq_settextposition(3, 1);
  qw::escreve(std::string(100, 'x'));
  qw::escreve("seguinte");
  EXPECT_EQ(s.linha(4), "seguinte");
  qw::pergunta("Codigo ==> ");
  EXPECT_EQ(s.c.grelha().linha(), 5);
  EXPECT_EQ(s.c.grelha().coluna(), 12);
}

TEST(Grelha, ShortRecordsLeaveTheRestOfTheirRowAndTheGridScrollsPastRow30) {
  ScriptTeste s({"type resposta"});
  qw::fq_settextposition(10, 1);
  qw::fq_outtext("menu desenhado antes");
  qw::fq_settextposition(10, 1);
  qw::escreve("");
  qw::escreve("ab");
  EXPECT_EQ(s.linha(10), "menu desenhado antes");
  EXPECT_EQ(s.linha(11), "ab");
  SALTA();
  for (int i = 1; i <= 30; ++i) qw::escreve("linha " + std::to_string(i));
  EXPECT_EQ(s.linha(1), "linha 2");
  EXPECT_EQ(s.linha(29), "linha 30");
  qw::pergunta("? ");
  EXPECT_EQ(qw::le_linha(), "resposta");
  EXPECT_EQ(s.linha(29), "? resposta");  // the Enter scrolled once more
  EXPECT_EQ(s.c.grelha().linha(), 30);
  EXPECT_EQ(s.c.grelha().coluna(), 1);
}

TEST(Grelha, ColouredOutputOfTheToolkitRestoresTheColourItFound) {
  ScriptTeste s({"click 40 1", "pixel 0 0", "click 9 9"});
  JANELA_BRANCA();
  SALTA();
  MENUT(1, 1, "TITULO", 0);
  int IOPT = 0;
  Tabela<std::string, 25> L;
  Tabela<int32_t, 20> B;
  L(1) = "um";
  B(1) = 7;
  MENUS(1, 8, 9, 70, L, B, 0, 0, IOPT);
  EXPECT_EQ(IOPT, 7);
  qw::escreve("preto");
  EXPECT_EQ(s.c.grelha().cel(1, 1).texto, COR(1));
  EXPECT_EQ(s.c.grelha().cel(28, 50).texto, VERMELHO_ESCURO);
  EXPECT_EQ(s.c.grelha().cel(11, 9).texto, COR(8));  // below the menu, where MENUS left the position
  EXPECT_EQ(s.linha(11), "        preto");
  EXPECT_EQ(s.c.grelha().cel(11, 9).fundo, COR(9));
  EXPECT_EQ(s.c.titulo_atual(), " PROGRAMA NOME");
}

TEST(Script, ClicksArePixelsOfTheCellCentreAndPixelsMapToCells) {
  ScriptTeste s({"click 1 1", "pixel 7 15", "pixel 8 16", "pixel 639 463", "click 31 1", "pixel 800 0", "click 30 100"});
  struct {
    int x, y, linha, coluna;
  } esperado[] = {{4, 8, 1, 1}, {7, 15, 1, 1}, {8, 16, 2, 2}, {639, 463, 29, 80}, {796, 472, 30, 100}};
  for (auto e : esperado) {
    int k, x, y;
    qw::waitonmouseeventqq(1, k, x, y);  // presses outside the grid are passed over
    EXPECT_EQ(x, e.x);
    EXPECT_EQ(y, e.y);
    EXPECT_EQ(y / 16 + 1, e.linha);
    EXPECT_EQ(x / 8 + 1, e.coluna);
  }
}

TEST(Script, ExpectsAndShowsCheckTheScreen) {
  ScriptTeste s({"expect 1 3 cão ", "expect-colour 1 3 FF0000 FFFFFF", "show", "type"});
  qw::settextcolorrgb(COR(1));
  qw::fq_settextposition(1, 3);
  qw::fq_outtext("cão"_w);
  qw::settextcolorrgb(COR(8));
  EXPECT_EQ(qw::le_linha(), "");
  EXPECT_EQ(s.saida.str().substr(0, 7), "  cão\n");
  EXPECT_NE(s.saida.str().find("\n\n----\n"), std::string::npos);
}

TEST(Script, ExitStatuses) {
  struct Caso {
    std::vector<std::string> script;
    int espera;  // 0 click, 1 line, 2 either
    int estado;
    std::string mensagem;
  } casos[] = {
      {{"type x"}, 0, 3, "linha 1 do script: o programa esperava um clique"},
      {{"# nada", "click 1 1"}, 1, 3, "linha 2 do script: o programa esperava uma linha escrita"},
      {{}, 2, 3, "o script acabou"},
      {{"expect 1 1 nada"}, 1, 4, "linha 1 do script: esperava \"nada\""},
      {{"expect-colour 1 1 000000 000000"}, 1, 4, "esperava as cores 000000 000000"},
      {{"clik 1 1"}, 1, 2, "linha 1 do script"},
      {{"expect-colour 1 1 red white"}, 1, 2, "linha 1 do script"},
      {{"click 1"}, 1, 2, "linha 1 do script"},
  };
  for (const Caso& c : casos) {
    try {
      ScriptTeste s(c.script);
      if (c.espera == 0) s.c.espera_clique();
      if (c.espera == 1) s.c.le_linha();
      if (c.espera == 2) s.c.espera_qualquer();
      ADD_FAILURE() << c.mensagem;
    } catch (const FimForcado& f) {
      EXPECT_EQ(f.estado, c.estado) << c.mensagem;
      EXPECT_NE(f.mensagem.find(c.mensagem), std::string::npos) << f.mensagem;
    }
  }
}

TEST(Script, EndBoxAnswers) {
  struct {
    std::vector<std::string> script;
    bool sim;
  } casos[] = {{{"type y"}, true}, {{"type S"}, true}, {{"type s"}, true}, {{"type n"}, false}, {{"type"}, false},
               {{"type ys"}, false}, {{"type x"}, false},
               {{"click 17 42"}, true}, {{"click 17 56"}, false}, {{}, false}};
  for (auto& c : casos) {
    ScriptTeste s(c.script);
    EXPECT_EQ(s.c.caixa_fim("Program Terminated with exit code 0\nExit Window?"), c.sim);
  }
}

}  // namespace
