#include "cores_terminal.h"

#include <gtest/gtest.h>

namespace {

int32_t rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

struct Caso {
  const char* nome;
  int32_t cor;
  int xterm256, oito, dezasseis;
};

const Caso CASOS[] = {
    {"preto", rgb(0, 0, 0), 16, 0, 0},
    {"branco", rgb(255, 255, 255), 231, 7, 15},
    {"vermelho", rgb(255, 0, 0), 196, 1, 9},
    {"azul", rgb(0, 0, 255), 21, 4, 12},
    {"magenta", rgb(255, 0, 255), 201, 5, 13},
    {"cinzento claro", rgb(192, 192, 192), 250, 7, 7},
    {"vermelho escuro", rgb(128, 0, 0), 88, 1, 1},
};

TEST(CoresTerminal, MaisProximaDasPaletas) {
  for (const Caso& c : CASOS) {
    EXPECT_EQ(cores_terminal::xterm256(c.cor), c.xterm256) << c.nome;
    EXPECT_EQ(cores_terminal::basica(c.cor, 8), c.oito) << c.nome;
    EXPECT_EQ(cores_terminal::basica(c.cor, 16), c.dezasseis) << c.nome;
  }
}

// Text whose colour falls on its background's number takes the nearest other one; of equally near ones the
// one that stands out most from the background (magenta, not yellow, for light grey on white).
TEST(CoresTerminal, TextoNuncaNaCorDoFundo) {
  const int BRANCO_8 = cores_terminal::basica(rgb(255, 255, 255), 8);
  EXPECT_EQ(cores_terminal::basica(rgb(192, 192, 192), 8, BRANCO_8), 5);
  EXPECT_EQ(cores_terminal::basica(rgb(192, 192, 192), 16, 15), 7);  // already other than the background
  EXPECT_EQ(cores_terminal::xterm256(rgb(250, 250, 250), 231), 255);
  EXPECT_EQ(cores_terminal::xterm256(rgb(0, 0, 0), 21), 16);
}

TEST(CoresTerminal, NumaPaletaQualquer) {
  const std::vector<int32_t> definidas = {rgb(0, 0, 0), rgb(200, 0, 0), rgb(0, 0, 200)};
  EXPECT_EQ(cores_terminal::mais_proxima(rgb(150, 20, 30), definidas), 1);
  EXPECT_EQ(cores_terminal::mais_proxima(rgb(10, 10, 150), definidas), 2);
}

}  // namespace
