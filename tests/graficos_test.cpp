// The graphics operations on the grid: window coordinates to cells, graphics text, the child window.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "consola_script.h"
#include "graficos.h"
#include "texto.h"

namespace {

// The cell where a text drawn at (x, y) of a coordinate system begins.
TEST(Graficos, WindowCoordinatesMapToCellsThroughThe800x500PixelWindow) {
  const struct Caso {
    bool janela, y_para_cima;
    double x1, y1, x2, y2, x, y;
    int linha, coluna;
  } casos[] = {
      {false, false, 0, 0, 0, 0, 8, 16, 2, 2},  // no coordinate system: pixels
      {false, false, 0, 0, 0, 0, 7.9, 15.9, 1, 1},
      {true, false, 0, 0, 320, 200, 3.2, 6.4, 2, 2},
      {true, false, 0, 0, 320, 200, 160, 100, 16, 51},
      {true, false, 0, 0, 320, 200, 320, 200, 30, 100},  // below and right of the grid: its last cell
      {true, false, 0, 0, 320, 200, -10, -10, 1, 1},
      {true, true, 0, 0, 320, 200, 0, 200, 1, 1},
      {true, true, 0, 0, 320, 200, 0, 192, 2, 1},
      {true, false, 100, 100, 420, 300, 260, 200, 16, 51},
  };
  for (const Caso& c : casos) {
    std::ostringstream saida;
    ConsolaScript s({}, saida);
    usa_consola(&s);
    if (c.janela) {
      EXPECT_TRUE(qw::setwindow(c.y_para_cima, c.x1, c.y1, c.x2, c.y2));
    }
    EXPECT_FALSE(qw::setwindow(false, 0, 0, 0, 200));  // refused; the system in force stays
    qw::f_moveto_w(c.x, c.y);
    qw::f_outgtext("x");
    EXPECT_EQ(s.grelha().cel(c.linha, c.coluna).ch, 'x') << c.x << " " << c.y;
  }
}

TEST(Graficos, TextIsDrawnInTheDrawingColourCutAtTheLastColumnAndLeavesTheTextPosition) {
  std::ostringstream saida;
  ConsolaScript s({}, saida);
  usa_consola(&s);
  Grelha& g = s.grelha();
  g.cor_texto = 0x0000FF;
  g.cor_desenho = 0xFF0000;
  g.posicao(5, 7);
  EXPECT_EQ(qw::f_getgtextextent("abcd"), 32);
  qw::setwindow(false, 0, 0, 320, 200);
  qw::f_moveto_w(300, 0);  // column 94
  qw::f_outgtext("abc");
  qw::f_outgtext("defghij");  // goes on after "abc"
  EXPECT_EQ(g.texto_linha(1).substr(90), "   abcdefg");
  EXPECT_EQ(g.texto_linha(2), std::string(100, ' '));
  EXPECT_EQ(g.cel(1, 94).texto, 0xFF0000);
  EXPECT_EQ(g.cel(1, 94).fundo, 0xFFFFFF);
  qw::wxycoord antes = qw::f_moveto_w(0, 0);
  EXPECT_DOUBLE_EQ(antes.wx, 300 + 10 * 8 / 2.5);
  EXPECT_EQ(g.linha(), 5);
  EXPECT_EQ(g.coluna(), 7);
  EXPECT_EQ(g.cor_texto, 0x0000FF);
}

TEST(Graficos, ClosingTheChildWindowBringsTheTextWindowBack) {
  std::ostringstream saida;
  ConsolaScript s({}, saida);
  usa_consola(&s);
  Grelha& g = s.grelha();
  std::strcpy(s.config.title, " JANELA");
  g.escreve("texto da janela");
  g.cor_texto = 0x00FF00;
  g.cursor = false;
  qw::setwindow(false, 0, 0, 100, 100);
  qw::f_moveto_w(50, 50);

  qw::abre_janela(68, "Filha");
  EXPECT_EQ(s.titulo_atual(), "Filha");
  EXPECT_EQ(g.texto_linha(1), std::string(100, ' '));
  EXPECT_EQ(g.coluna(), 1);
  g.escreve("na filha");
  g.cor_texto = 0;
  g.cor_desenho = 0xFFFFFF;
  qw::abre_janela(68, "Outra");  // already open: nothing is kept again
  qw::fecha_janela(69);          // not open: nothing
  EXPECT_EQ(apara(g.texto_linha(1)), "na filha");
  qw::f_moveto_w(1, 1);

  qw::fecha_janela(68);
  EXPECT_EQ(apara(g.texto_linha(1)), "texto da janela");
  EXPECT_EQ(g.coluna(), 16);
  EXPECT_EQ(g.cor_texto, 0x00FF00);
  EXPECT_EQ(g.cor_desenho, 0);
  EXPECT_FALSE(g.cursor);
  EXPECT_EQ(s.titulo_atual(), " JANELA");
  qw::wxycoord p = qw::f_moveto_w(0, 0);  // the text window's coordinates and drawing position
  EXPECT_EQ(p.wx, 50);
  qw::f_moveto_w(50, 50);
  qw::f_outgtext("y");
  EXPECT_EQ(g.cel(16, 51).ch, 'y');
}

}  // namespace
