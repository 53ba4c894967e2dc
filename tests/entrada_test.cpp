// The presentation screen: where its centring puts the lines, and the text window back after the click.
#include <gtest/gtest.h>

#include <sstream>

#include "consola_script.h"
#include "cp1252.h"
#include "rotinas_minhas.h"

namespace {

TEST(Entrada, CentringOnThe320UnitsOfTheWindow) {
  EXPECT_EQ(escala_janela(800), 2.5f);
  EXPECT_EQ(centra_xtext(400, 2.5f), 80);  // 160 units wide
  EXPECT_EQ(centra_xtext(336, 2.5f), 92.8f);
  EXPECT_EQ(centra_xtext(1000, 2.5f), -40);  // wider than the window: starts left of it
}

// The title (42 characters, 336 pixels) starts at XTEXT 92.8, pixel 232, column 30; the version line
// (27 characters) at XTEXT 116.8, pixel 292, column 37, and the click line with it. YTEXT 85, 100 and
// 115 are pixels 212.5, 250 and 287.5 of the 500: rows 14, 16 and 18.
TEST(Entrada, ScreenUntilAnyClickThenTheTextWindowIsBack) {
  const std::string titulo = "                             CCÁLCULO DAS NECESSIDADES DE REGA DO ARROZ";
  const std::string versao = "                                    (Versao W10_2.1 junho 2021)";
  const std::string clique = "                                              Clique nesta janela para continuar";
  const struct Caso {
    int IVERSAO;
    std::string cor16, clique, ecra16;
  } casos[] = {{0, "expect-colour 16 37 FF0000 FFFFFF", "click 30 100", versao},
               {0, "", "pixel 0 0", versao},
               {3, "", "click 1 1", ""}};
  for (const Caso& c : casos) {
    std::ostringstream saida;
    ConsolaScript s({"expect-colour 14 30 0000FF FFFFFF", c.cor16, "expect-colour 18 47 000000 FFFFFF", "show", c.clique},
                    saida);
    usa_consola(&s);
    JANELA_BRANCA();
    qw::escreve("conteúdo anterior"_w);
    qw::pergunta("Código ==> "_w);
    Grelha antes = s.grelha();

    ENTRADA(c.IVERSAO);

    std::string ecra;
    for (int l = 1; l <= 30; ++l)
      ecra += l == 14 ? titulo + "\n" : l == 16 ? c.ecra16 + "\n" : l == 18 ? clique + "\n" : "\n";
    EXPECT_EQ(saida.str(), ecra + "----\n") << c.IVERSAO;
    for (int l = 1; l <= 30; ++l)
      for (int k = 1; k <= 100; ++k) {
        const Celula &a = antes.cel(l, k), &d = s.grelha().cel(l, k);
        ASSERT_TRUE(a.ch == d.ch && a.texto == d.texto && a.fundo == d.fundo) << l << " " << k;
      }
    EXPECT_EQ(s.grelha().linha(), 2);
    EXPECT_EQ(s.grelha().coluna(), 12);
    EXPECT_EQ(s.grelha().cor_desenho, COR(4));
    EXPECT_EQ(s.titulo_atual(), " PROGRAMA PALUDEX ");
  }
}

}  // namespace
