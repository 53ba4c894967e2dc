// The mouse menus: which clicks choose, which are passed over, and the screen of the initial menu.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "consola_script.h"
#include "cp1252.h"
#include "rotinas_minhas.h"

namespace {

struct Caso {
  const char* menu;
  std::string clique;  // a script event
  int codigo;          // the code returned, or -1 when the click is passed over
};

int corre(const std::string& menu, std::string& DIRET) {
  std::string DIRET0(TAM_DIRET, ' ');
  int IOPT = 0, IDEF = 1;
  if (menu == "inicial") M_MENU_INICIAL_PALUDEX(IOPT, DIRET, DIRET0, IDEF);
  if (menu == "alaga") M_MENU_REGA_ALAGA(IOPT);
  if (menu == "const") M_MENU_REGA_CONST(IOPT);
  return IOPT;
}

TEST(Menus, ClicksChooseOnlyOptionRowsWithinTheirColumns) {
  const Caso casos[] = {
      {"inicial", "click 9 9", 1},    {"inicial", "click 11 30", 2}, {"inicial", "click 13 40", 3},
      {"inicial", "click 15 70", 4},  {"inicial", "click 17 10", 5}, {"inicial", "click 10 20", -1},
      {"inicial", "click 7 20", -1},  {"inicial", "click 28 55", -1}, {"inicial", "click 9 8", -1},
      {"inicial", "click 9 71", -1},  {"inicial", "click 19 20", -1}, {"inicial", "click 3 20", -1},
      {"inicial", "pixel 0 0", -1},   {"inicial", "pixel 64 128", 1},  {"alaga", "click 4 8", 1},
      {"alaga", "click 6 30", 2},     {"alaga", "click 5 30", -1},    {"alaga", "click 4 7", -1},
      {"alaga", "click 6 71", -1},    {"alaga", "click 1 10", -1},    {"alaga", "click 7 10", -1},
      {"const", "click 4 70", 1},     {"const", "click 6 8", 2},      {"const", "click 3 10", -1},
  };
  for (const Caso& c : casos) {
    // After a click that is passed over, the menu takes the next one (the last option of each menu).
    std::string ultimo = std::string(c.menu) == "inicial" ? "click 17 10" : "click 6 8";
    int codigo_ultimo = std::string(c.menu) == "inicial" ? 5 : 2;
    std::ostringstream saida;
    ConsolaScript s({c.clique, ultimo}, saida);
    usa_consola(&s);
    std::string DIRET = fixo("/dados", TAM_DIRET);
    int IOPT = corre(c.menu, DIRET);
    EXPECT_EQ(IOPT, c.codigo < 0 ? codigo_ultimo : c.codigo) << c.menu << " " << c.clique;
    if (c.codigo >= 0) {
      EXPECT_NO_THROW(s.espera_clique()) << "the menu took the click after " << c.clique;
    }
    EXPECT_EQ(s.grelha().linha(), 1);
    EXPECT_EQ(s.grelha().coluna(), 1);
  }
}

TEST(Menus, InitialMenuScreen) {
  std::ostringstream saida;
  ConsolaScript s({"click 17 10"}, saida);
  usa_consola(&s);
  JANELA_BRANCA();
  std::string DIRET = fixo("/home/ana/arroz", TAM_DIRET);
  corre("inicial", DIRET);
  struct {
    int linha, coluna;
    const char* texto;
    int32_t cor;
  } esperado[] = {
      {2, 2, "Por omissão o programa irá procurar os ficheiros de dados:", COR(5)},
      {3, 2, "no disco ------>", COR(5)},
      {4, 2, "na diretoria -->", COR(5)},
      {4, 18, "/home/ana/arroz", COR(4)},
      {5, 1, "__________________________________________________________________________________________", COR(4)},
      {7, 9, "      MENU INICIAL DO PROGRAMA PALUDEX:", COR(1)},
      {9, 9, "Opção 1: Construção de um ficheiro de cultura", COR(8)},
      {11, 9, "Opção 2: Construção de um ficheiro de solo", COR(8)},
      {13, 9, "Opção 3: Cálculo das Necessidades de Rega", COR(8)},
      {15, 9, "Opção 4: Altera a pasta para aceder aos ficheiros de dados", COR(8)},
      {17, 9, "Opção 5: Fim do programa", COR(8)},
      {28, 50, "click sobre a operação a escolher", VERMELHO_ESCURO},
  };
  for (auto& e : esperado) {
    std::string t = de_utf8(e.texto);
    EXPECT_EQ(s.grelha().texto_linha(e.linha).substr(e.coluna - 1, t.size()), t) << e.linha;
    for (size_t k = 0; k < t.size(); ++k) {
      EXPECT_EQ(s.grelha().cel(e.linha, e.coluna + k).texto, e.cor) << e.linha << "," << e.coluna + k;
      EXPECT_EQ(s.grelha().cel(e.linha, e.coluna + k).fundo, COR(9));
    }
  }
  EXPECT_EQ(apara(s.grelha().texto_linha(3)), " no disco ------>");  // no drive letter: nothing shown
  EXPECT_EQ(apara(s.grelha().texto_linha(5)).size(), 90u);
  EXPECT_EQ(apara(s.grelha().texto_linha(6)), "");
  EXPECT_EQ(s.grelha().cor_texto, COR(8));
}

TEST(Menus, DriveAndFolderOfADataFolder) {
  struct {
    const char* DIRET;
    const char* unidade;
    const char* pasta;
  } casos[] = {{"c:\\PALUDEX\\dados", "c:", "\\PALUDEX\\dados"}, {"D:\\", "D:", "\\"}, {"C:", "C:", ""},
               {"/home/x", "", "/home/x"}, {"dados", "", "dados"}, {"", "", ""}};
  for (auto& c : casos) {
    std::string D = fixo(c.DIRET, TAM_DIRET);
    EXPECT_EQ(UNIDADE(D), c.unidade);
    EXPECT_EQ(PASTA(D), c.pasta);
  }
}

TEST(Nomes, DataFileNames) {
  struct {
    std::string codigo, tipo, nome;
  } casos[] = {{fixo("ABC", 40), "CUL", "ABC_CUL.txt"}, {" AB", "FRT", " AB_FRT.txt"},
               {fixo("", 50), "pre", "_pre.txt"},     {"a b  ", "ET0", "a b_ET0.txt"},
               {std::string(98, 'x'), "NRG", std::string(98, 'x') + "_NRG.txt"}};
  for (auto& c : casos) {
    std::string nome;
    LIMPAM(nome, c.codigo, c.tipo);
    EXPECT_EQ(nome, fixo(c.nome, 110));
  }
  std::string t = " a bc";
  LIMPA(t, 5);
  EXPECT_EQ(t, "abc  ");
  t = fixo(" a bc", 8);
  LIMPA(t, 3);
  EXPECT_EQ(t, fixo("a", 8));
}

TEST(Pausa, EnterEndsOnEnterOrAClickAndRestoresTheColour) {
  for (const char* evento : {"type", "click 5 5"}) {
    std::ostringstream saida;
    ConsolaScript s({evento}, saida);
    usa_consola(&s);
    ENTER();
    EXPECT_EQ(s.grelha().texto_linha(29).substr(44, 32), "Pressione <ENTER> para continuar");
    EXPECT_EQ(s.grelha().cel(29, 45).texto, VERMELHO_ESCURO);
    EXPECT_EQ(s.grelha().cor_texto, COR(8));
  }
}

}  // namespace
