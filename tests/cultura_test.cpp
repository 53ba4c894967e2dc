// The two routines of the crop-file module that nothing calls: LIMPAR and FICH.
#include "cultura.h"

#include <gtest/gtest.h>

#include <sstream>

#include "consola_script.h"
#include "cp1252.h"
#include "pasta_temporaria.h"
#include "texto.h"

TEST(Limpar, TwentyEightEmptyLinesScrollTheTextAbove) {
  std::ostringstream saida;
  ConsolaScript s({}, saida);
  usa_consola(&s);
  for (int l = 1; l <= 29; ++l) qw::escreve("linha " + std::to_string(l));
  LIMPAR();
  // Only the last line written stays in sight, at the top; the cursor is at the bottom.
  EXPECT_EQ(apara(s.grelha().texto_linha(1)), "linha 29");
  for (int l = 2; l <= 30; ++l) EXPECT_EQ(apara(s.grelha().texto_linha(l)), "") << l;
  EXPECT_EQ(s.grelha().linha(), 30);
}

TEST(Fich, OptionForAFileThatHoldsLines) {
  PastaTemporaria p;
  grava("a_CUL.txt", "primeira\r\n");
  struct Caso {
    std::vector<std::string> eventos;
    int32_t opcao;
    bool aberto;
  } casos[] = {
      {{"type x", "type 2"}, 2, true},
      {{"type 1"}, 1, false},
      {{"type", "type 0 9"}, 0, true},
  };
  for (const Caso& c : casos) {
    std::ostringstream saida;
    ConsolaScript s(c.eventos, saida);
    usa_consola(&s);
    int32_t IOPCAO = -1;
    std::fstream F;
    FICH("a", "CUL", IOPCAO, F);
    EXPECT_EQ(IOPCAO, c.opcao);
    EXPECT_EQ(F.is_open(), c.aberto);
    const char* ecra[] = {"     Já existe um ficheiro com esse nome. Escolha uma opção:",
                          "",
                          "     Actualização do ficheiro ===============> 1",
                          "     Criação de um novo ficheiro ============> 2",
                          "     Volta ao menu inicial ==================> 0 ",
                          "     ========================================> "};
    for (int l = 0; l < 6; ++l) {
      std::string t = de_utf8(ecra[l]);
      EXPECT_EQ(s.grelha().texto_linha(l + 2).substr(0, t.size()), t) << l;
    }
    std::string linha;
    if (c.aberto) {
      EXPECT_TRUE(std::getline(F, linha));
      EXPECT_EQ(linha, "primeira\r") << "left open at its start";
    }
  }
}

TEST(Fich, NewOrEmptyFileGivesZeroAndAsksNothing) {
  PastaTemporaria p;
  grava("vazio_FRT.txt", "");
  for (const char* codigo : {"novo", "vazio"}) {
    std::ostringstream saida;
    ConsolaScript s({}, saida);
    usa_consola(&s);
    int32_t IOPCAO = -1;
    std::fstream F;
    FICH(codigo, "FRT", IOPCAO, F);
    EXPECT_EQ(IOPCAO, 0) << codigo;
    EXPECT_TRUE(F.is_open()) << codigo;
    EXPECT_EQ(apara(s.grelha().texto_linha(2)), "") << codigo;
  }
  EXPECT_EQ(le("novo_FRT.txt"), "");
}
