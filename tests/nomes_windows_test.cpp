// Data files as they come from Windows: names whose letter case differs from the names the program forms,
// and names in Windows-1252 bytes that are not UTF-8. They are found, read, replaced and chosen by their
// letters; a new file bears the name as the program forms it, in UTF-8.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "diretorias.h"
#include "ficheiro_solo.h"
#include "lercult.h"
#include "nomes_disco.h"
#include "paludec.h"
#include "pasta_temporaria.h"
#include "registos.h"
#include "script_teste.h"

namespace {

const std::string EXEMPLOS = std::string(TESTS_DIR) + "/../examples/";

TEST(NomesWindows, NamesAreFoundByTheirLettersWhateverTheirCase) {
  PastaTemporaria pasta;
  for (const char* f : {"Chuva_PRE.txt", "\xc9vora_pre.txt", "arroz_CUL.TXT", "solo_frt.txt", "x_ET0.txt",
                        "X_et0.txt", "\xd3" "bidos_FRT.txt", "Évora_CUL.txt"})
    grava(f, std::string(f) + "\n");
  ASSERT_EQ(mkdir("Pasta_BAL.txt", 0755), 0);
  ASSERT_EQ(mkdir("sub", 0755), 0);
  grava("sub/Chuva_PRE.txt", "sub/Chuva_PRE.txt\n");
  const struct {
    std::string nome, disco;  // disco: the file found; empty when none is
  } casos[] = {
      {"Chuva_PRE.txt", "Chuva_PRE.txt"},
      {"Chuva_pre.txt", "Chuva_PRE.txt"},
      {"chuva_pre.txt", "Chuva_PRE.txt"},
      {"\xc9vora_pre.txt", "\xc9vora_pre.txt"},  // the program's É: the byte that Windows wrote
      {"\xe9VORA_PRE.TXT", "\xc9vora_pre.txt"},  // é, and accented capitals, are letters too
      {"\xf3" "bidos_frt.txt", "\xd3" "bidos_FRT.txt"},
      {"\xe9vora_cul.txt", "Évora_CUL.txt"},  // a UTF-8 name in another case
      {"arroz_CUL.txt", "arroz_CUL.TXT"},
      {"solo_FRT.txt", "solo_frt.txt"},
      {"x_ET0.txt", "x_ET0.txt"},  // the exact name first
      {"x_et0.txt", "x_ET0.txt"},  // else the one of the same code, its type in another case
      {"X_ET0.txt", "X_et0.txt"},
      {"sub/Chuva_PRE.txt", "sub/Chuva_PRE.txt"},
      {"sub/chuva_pre.txt", ""},  // letter case is for names in the data folder
      {"Evora_pre.txt", ""},
      {"pasta_bal.txt", ""},       // a folder is no file
  };
  for (const auto& c : casos) {
    EXPECT_EQ(existe(c.nome), !c.disco.empty()) << c.nome;
    if (c.disco.empty()) continue;
    EXPECT_EQ(no_disco(c.nome), c.disco);
    EXPECT_EQ(FicheiroLeitura(c.nome).registo("o nome"), c.disco) << c.nome;
  }
  EXPECT_THROW(FicheiroLeitura("Evora_pre.txt"), ErroFicheiro);
  EXPECT_TRUE(existe_pasta("pasta_bal.txt"));
  EXPECT_EQ(no_disco("Novo_CUL.txt"), "Novo_CUL.txt");
  EXPECT_EQ(no_disco("\xc9vora_NRG.txt"), "Évora_NRG.txt");  // a new file: the name in UTF-8
}

TEST(NomesWindows, AWriteReplacesTheFileOfThatNameInAnyCase) {
  PastaTemporaria pasta;
  grava("arroz_cul.TXT", "antigo\r\n");
  grava("\xc9vora_frt.txt", "antigo\r\n");
  for (const char* nome : {"arroz_CUL.txt", "\xc9vora_FRT.txt", "\xc9vora_NRG.txt", "novo_CUL.txt"}) {
    FicheiroEscrita f(nome);
    f.registo("novo");
    f.conclui();
  }
  EXPECT_EQ(entradas(), "arroz_cul.TXT novo_CUL.txt Évora_NRG.txt \xc9vora_frt.txt ");
  EXPECT_EQ(le("arroz_cul.TXT"), "novo\r\n");
  EXPECT_EQ(le("\xc9vora_frt.txt"), "novo\r\n");
}

TEST(NomesWindows, CropAndSoilFilesOpenWhateverTheCaseOfTheirNames) {
  PastaTemporaria pasta;
  grava("arroz_cul.TXT", le(EXEMPLOS + "exemplo_CUL.txt"));
  grava("solo_frt.txt", le(EXEMPLOS + "exemplo_FRT.txt"));
  CalendarioLaminas C;
  LERCULT("arroz", 1990, C);
  EXPECT_EQ(C.NCICLO, 124);
  DadosSolo S;
  LE_SOLO("solo", S);
  EXPECT_FLOAT_EQ(S.TF, 1.5f);
}

// The sample year of the session exemplo_ano, its four files chosen from names that Windows wrote: the
// reports are the session's own, with the code in the title. The earlier water-balance report, under a
// Windows name, is replaced where it is.
TEST(NomesWindows, ARunOnFilesWithWindowsNamesGivesTheSampleReports) {
  PastaTemporaria pasta;
  const struct {
    const char *exemplo, *nome;
  } ficheiros[] = {{"exemplo_pre.txt", "\xc9vora_PRE.txt"},
                   {"exemplo_ET0.txt", "\xc9vora_ET0.txt"},
                   {"exemplo_FRT.txt", "Évora_frt.txt"},
                   {"exemplo_CUL.txt", "\xc9vora_cul.TXT"}};
  for (const auto& f : ficheiros) grava(f.nome, le(EXEMPLOS + f.exemplo));
  grava("\xc9vora_bal.txt", "anterior\r\n");
  ScriptTeste s({"expect 4 1 Évora", "click 4 1", "click 7 24", "click 7 24", "click 7 24", "click 7 24",
                 "type Évora", "type s", "type 1990", "type 10", "type 50", "type 10", "type", "click 4 8",
                 "type 10", "type 5", "type s", "expect 5 4 Évora_NRG.txt", "type"});
  int IERR = 0;
  PALUDEC(IERR, "");
  EXPECT_TRUE(s.eventos_gastos());
  const std::string sessao = std::string(TESTS_DIR) + "/sessions/exemplo_ano/esperado/";
  std::string NRG = le(sessao + "ex_NRG.txt");
  for (size_t p; (p = NRG.find("exemplo")) != std::string::npos;) NRG.replace(p, 7, "\xc9vora  ");
  EXPECT_EQ(le("Évora_NRG.txt"), NRG);
  EXPECT_EQ(le("\xc9vora_bal.txt"), le(sessao + "ex_BAL.txt"));
  EXPECT_EQ(entradas(),
            "Évora_NRG.txt Évora_frt.txt \xc9vora_ET0.txt \xc9vora_PRE.txt \xc9vora_bal.txt \xc9vora_cul.TXT ");
}

TEST(NomesWindows, AFolderNamedInWindows1252IsReachedByItsLettersAndItsCase) {
  PastaTemporaria pasta;
  ASSERT_EQ(mkdir("\xc9vora", 0755), 0);
  EXPECT_FALSE(muda_diretoria("\xe9vora"));  // a folder path keeps its letter case
  ASSERT_TRUE(muda_diretoria(pasta.caminho + "/\xc9vora/"));
  std::string aqui;
  ASSERT_TRUE(diretoria_corrente(aqui));
  EXPECT_EQ(aqui, pasta.caminho + "/\xc9vora");
  ASSERT_TRUE(muda_diretoria(".."));
  ASSERT_TRUE(muda_diretoria("\xc9vora"));
}

}  // namespace
