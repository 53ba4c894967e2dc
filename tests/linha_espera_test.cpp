// The row that says that the program waits for another one that writes in the data folder: the script's
// checks see it during the wait, and the screen comes back as it was.
#include "linha_espera.h"

#include <gtest/gtest.h>

#include "cp1252.h"
#include "rotinas_minhas.h"
#include "script_teste.h"

namespace {

TEST(LinhaEspera, ShownWhileTheWaitLastsAndTheScreenAsItWasAfter) {
  const std::string LINHA = "Outro programa está a gravar nesta pasta: à espera que termine...";
  ScriptTeste s({"expect 30 1 " + LINHA, "show", "click 1 1", "expect 30 1 rodapé do ecrã"});
  qw::fq_settextposition(30, 1);
  qw::fq_outtext("rodapé do ecrã"_w);
  qw::fq_settextposition(12, 7);
  const int32_t cor = qw::settextcolorrgb(0x0000FF);
  const Grelha antes = s.c.grelha();
  linha_espera(true);
  EXPECT_EQ(s.linha(30), de_utf8(LINHA));
  EXPECT_NE(s.saida.str().find(LINHA), std::string::npos) << "the show of the wait";
  linha_espera(false);
  for (int l = 1; l <= Grelha::LINHAS; ++l) EXPECT_EQ(s.c.grelha().texto_linha(l), antes.texto_linha(l)) << l;
  EXPECT_EQ(s.c.grelha().cel(30, 1).texto, antes.cel(30, 1).texto);
  EXPECT_EQ(s.c.grelha().linha(), 12);
  EXPECT_EQ(s.c.grelha().coluna(), 7);
  EXPECT_EQ(qw::settextcolorrgb(cor), 0x0000FF);
  EXPECT_EQ(s.c.espera_clique().x, centro_da_celula(1, 1).x) << "the wait leaves the next input event";
  EXPECT_TRUE(s.eventos_gastos());
}

}  // namespace
