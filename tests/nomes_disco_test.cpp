// One rule finds the entry of a folder that a name stands for, a data file's name and every part of a path
// alike: the exact name, the entry that reads as it, and in the data folder the same code, the same name in any
// case. Two entries at one step are refused, naming both; a folder is entered only when one entry is found.
#include "nomes_disco.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "diretorias.h"
#include "pasta_temporaria.h"

namespace {

const std::string ESPIGA = "campo\xf0\x9f\x8c\xbe", MILHO = "campo\xf0\x9f\x8c\xbd";  // both read "campo?"

TEST(NomesDisco, OneRuleFindsTheEntryOfANameOrRefusesIt) {
  PastaTemporaria pasta;
  for (const std::string& d : {ESPIGA, MILHO, std::string("\xc9vora"), std::string("Milho"), std::string("dados")})
    ASSERT_EQ(mkdir(d.c_str(), 0755), 0);
  for (const char* f : {"x_ET0.txt", "X_et0.txt", "Chuva_PRE.txt", "ex_nrg.txt", "ex_NRG.TXT", "ex_Nrg.TXT",
                        "\xc9vora_pre.txt", "dados/s_CUL.txt"})
    grava(f, "");
  const std::string AMBIGUO = "!";
  const struct {
    std::string pasta, nome;
    Procura procura;
    std::string disco;  // the entry found, AMBIGUO when the name is refused
  } casos[] = {
      {"", "x_ET0.txt", Procura::DADOS, "x_ET0.txt"},           // the exact name
      {"", "x_et0.txt", Procura::DADOS, "x_ET0.txt"},           // the same code, its type in another case
      {"", "X_ET0.txt", Procura::DADOS, "X_et0.txt"},
      {"", "chuva_pre.txt", Procura::DADOS, "Chuva_PRE.txt"},   // the one entry in any case
      {"", "\xc9vora_PRE.txt", Procura::DADOS, "\xc9vora_pre.txt"},
      {"", "ex_nrg.txt", Procura::DADOS, "ex_nrg.txt"},         // the exact name before the others
      {"", "ex_NRG.txt", Procura::DADOS, AMBIGUO},              // more than one of the same code
      {"", "EX_NRG.TXT", Procura::DADOS, AMBIGUO},              // more than one in any case
      {"dados/", "S_cul.txt", Procura::DADOS, "s_CUL.txt"},
      {"", "campo?", Procura::DADOS, AMBIGUO},                  // two that read as it
      {"", "novo_CUL.txt", Procura::DADOS, "novo_CUL.txt"},     // none: the name as the program forms it
      {"", "\xc9vora_NRG.txt", Procura::DADOS, "Évora_NRG.txt"},
      {"", "dados", Procura::CAMINHO, "dados"},
      {"", "\xc9vora", Procura::CAMINHO, "\xc9vora"},           // the entry that reads as it
      {"", "campo?", Procura::CAMINHO, AMBIGUO},
      {"", "milho", Procura::CAMINHO, "milho"},                 // a path keeps its letter case
      {"", "x_et0.txt", Procura::CAMINHO, "x_et0.txt"},
  };
  for (const auto& c : casos) {
    if (c.disco != AMBIGUO) {
      EXPECT_EQ(entrada_disco(c.pasta, c.nome, c.procura), c.disco) << c.pasta << c.nome;
      continue;
    }
    try {
      entrada_disco(c.pasta, c.nome, c.procura);
      ADD_FAILURE() << c.nome << " was not refused";
    } catch (const NomeAmbiguo& e) {
      const std::string nomes = c.nome == "campo?" ? "campo? e campo?" : "ex_NRG.TXT, ex_Nrg.TXT e ex_nrg.txt";
      EXPECT_NE(e.aviso.find(nomes), std::string::npos) << e.aviso;
    }
  }
  // Names and paths are found by that rule.
  EXPECT_EQ(no_disco("x_et0.txt"), "x_ET0.txt");
  EXPECT_EQ(pasta_no_disco(pasta.caminho + "/\xc9vora"), pasta.caminho + "/\xc9vora");
  EXPECT_THROW(no_disco("campo?/s_CUL.txt"), NomeAmbiguo);
  EXPECT_THROW(pasta_no_disco(pasta.caminho + "/campo?/sub"), NomeAmbiguo);
  EXPECT_THROW(no_disco("ex_NRG.txt"), NomeAmbiguo);
}

// A change of directory that fails says why through errno, from the call that failed; one to a name that two
// folders stand for is refused and changes nothing.
TEST(NomesDisco, AFolderThatCannotBeEnteredSaysWhyAndChangesNothing) {
  PastaTemporaria pasta;
  grava("x_CUL.txt", "");
  for (const std::string& d : {ESPIGA, MILHO}) ASSERT_EQ(mkdir(d.c_str(), 0755), 0);
  const struct {
    std::string caminho;
    int erro;
  } casos[] = {{"x_CUL.txt", ENOTDIR}, {"x_CUL.txt/sub", ENOTDIR}, {"nada", ENOENT}, {"  ", ENOENT}};
  for (const auto& c : casos) {
    errno = 0;
    EXPECT_FALSE(muda_diretoria(c.caminho)) << c.caminho;
    EXPECT_EQ(errno, c.erro) << c.caminho;
  }
  EXPECT_THROW(muda_diretoria("campo?"), NomeAmbiguo);
  std::string aqui;
  ASSERT_TRUE(diretoria_corrente(aqui));
  EXPECT_EQ(aqui, pasta.caminho);
}

}  // namespace
