// The file chooser: grid layout, pages, and what each click returns.
#include "filates.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "cp1252.h"
#include "pasta_temporaria.h"
#include "rotinas_minhas.h"
#include "script_teste.h"

namespace {

// A data folder holding empty files of the given names, current while the test runs.
struct Pasta : PastaTemporaria {
  explicit Pasta(const std::vector<std::string>& nomes) {
    for (const std::string& n : nomes) grava(n, "");
  }
};

std::vector<std::string> codigos(int n) {
  std::vector<std::string> nomes;
  char buf[32];
  for (int i = 1; i <= n; ++i) {
    snprintf(buf, sizeof buf, "c%03d_pre.txt", i);
    nomes.push_back(buf);
  }
  return nomes;
}

// One call of the chooser with "*pre.txt", driven by the script events.
struct Escolha : ScriptTeste {
  std::string NOMFILE;
  int IERR = -1;
  Escolha(const std::vector<std::string>& eventos, const std::string& inicial = "anterior")
      : ScriptTeste(eventos), NOMFILE(fixo(inicial, 98)) {
    FILATES("*pre.txt", NOMFILE, fixo("Nome do ficheiro ==> ", 23), 1, IERR);
  }
};

TEST(Filates, SevenShortCodesFillOneGridRow) {
  Pasta p({"aaaa_pre.txt", "bbbb_pre.txt", "cccc_pre.txt", "dddd_pre.txt", "eeee_pre.txt", "ffff_pre.txt",
           "gggg_pre.txt", "hhhh_ET0.txt"});
  Escolha e({"click 4 23", "click 7 24"});
  EXPECT_EQ(e.linha(1), " click sobre o nome para escolher ou <aqui> para digitar o nome ou <aqui> para voltar");
  EXPECT_EQ(e.linha(2), "         Ficheiros do tipo   *pre.txt  encontrados na directoria corrente");
  EXPECT_EQ(e.linha(3), std::string(80, '-'));
  EXPECT_EQ(e.linha(4), "aaaa       bbbb       cccc       dddd       eeee       ffff       gggg");
  EXPECT_EQ(e.linha(5), std::string(80, '-'));
  EXPECT_EQ(e.linha(7), "Nome do ficheiro ==>   cccc");
  EXPECT_EQ(e.c.grelha().cel(2, 30).texto, COR(4));
  EXPECT_EQ(e.c.grelha().cel(4, 1).texto, COR(4));
  EXPECT_EQ(e.c.grelha().cel(5, 1).texto, COR(5));
  EXPECT_EQ(e.c.grelha().cel(7, 24).texto, COR(8));  // the echo in the caller's colour
  EXPECT_EQ(e.c.grelha().cor_texto, COR(8));
  EXPECT_EQ(e.NOMFILE, fixo("cccc", 98));
  EXPECT_EQ(e.IERR, 0);
}

const std::vector<std::string> SETE = {"aaaa_pre.txt", "bbbb_pre.txt", "cccc_pre.txt", "dddd_pre.txt",
                                       "eeee_pre.txt", "ffff_pre.txt", "gggg_pre.txt"};

TEST(Filates, ClicksAndWhatTheyReturn) {
  Pasta p(SETE);
  const struct {
    std::vector<std::string> eventos;
    std::string NOMFILE;
  } casos[] = {
      {{"click 4 1", "click 4 23", "click 7 24"}, "cccc"},   // the second code clicked counts
      {{"click 4 12", "click 7 23", "click 7 99"}, "bbbb"},  // column 23 of the prompt row selects nothing
      {{"click 7 24"}, "anterior"},                          // a confirmation alone keeps the value given
      {{"click 4 70", "click 7 30"}, "gggg"},                // last character of the seventh column
      {{"click 4 66", "click 7 30"}, "gggg"},                // the blanks before it, in the same slot
      {{"click 4 11", "click 7 30"}, "bbbb"},
      {{"pixel 1 0"}, ""},
      {{"click 4 1", "pixel 0 0", "pixel 2 0", "click 1 19", "click 3 5", "click 1 50", "click 5 1", "click 7 24"},
       "aaaa"},
      {{"click 1 38", "type x_pre.txt"}, "x_pre.txt"},
      {{"click 4 23", "click 1 43", "type 0"}, "0"},
      {{"click 1 40", "type"}, ""},
      {{"click 1 68"}, "0"},
      {{"click 4 12", "click 1 73"}, "0"},
  };
  for (const auto& caso : casos) {
    Escolha e(caso.eventos);
    EXPECT_EQ(e.NOMFILE, fixo(caso.NOMFILE, 98)) << caso.eventos[0];
    EXPECT_EQ(e.IERR, 0);
    EXPECT_TRUE(e.eventos_gastos()) << caso.eventos[0];
  }
}

TEST(Filates, NamesWithoutTheUsualEnding) {
  // abcdpre.txt (no "_") lists as "abc"; _pre.txt as a blank code; both in name order among the others.
  Pasta p({"aaaa_pre.txt", "abcdpre.txt", "_pre.txt"});
  Escolha e({"click 4 23", "click 7 24"});
  EXPECT_EQ(e.linha(4), "           aaaa       abc");
  EXPECT_EQ(e.NOMFILE, fixo("abc", 98));
  Escolha branco({"click 4 12", "click 4 1", "click 7 24"});
  EXPECT_EQ(branco.NOMFILE, std::string(98, ' '));
}

// Names from Windows: any letter case of the type and its extension, and a Windows-1252 byte that is not
// UTF-8, listed by its letter and chosen as it.
TEST(Filates, NamesFromWindowsAreListedByTheirLetters) {
  Pasta p({"Chuva_PRE.txt", "seca_pre.TXT", "\xc9vora_pre.txt", "x_ET0.txt", ".h_pre.txt"});
  Escolha e({"click 4 25", "click 7 24"});
  EXPECT_EQ(e.linha(4), "Chuva       seca        Évora"_w);
  EXPECT_EQ(e.NOMFILE, fixo("\xc9vora", 98));
}

TEST(Filates, TypedNameShowsAfterThePromptOrBelowAnEcho) {
  Pasta p({"aaaa_pre.txt"});
  Escolha antes({"click 1 40", "type nome"});
  EXPECT_EQ(antes.linha(7), "Nome do ficheiro ==>   nome");
  Escolha depois({"click 4 1", "click 1 40", "type nome"});
  EXPECT_EQ(depois.linha(7), "Nome do ficheiro ==>   aaaa");
  EXPECT_EQ(depois.linha(8), "nome");
}

TEST(Filates, OnePageHolds140CodesAnd141MakeTwo) {
  {
    Pasta p(codigos(140));
    Escolha e({"click 1 5", "click 26 24"});
    EXPECT_EQ(e.linha(1).substr(0, 7), " click ");
    EXPECT_EQ(e.linha(23).substr(66), "c140");
    EXPECT_EQ(e.linha(24), std::string(80, '-'));
    EXPECT_EQ(e.linha(26), "Nome do ficheiro ==>");
    EXPECT_EQ(e.NOMFILE, fixo("anterior", 98));
  }
  Pasta p(codigos(141));
  Escolha e({"click 1 5",   "click 4 1",   "click 1 25",   "expect 4 1 c141 ", "expect 5 1 " + std::string(100, ' '),
             "expect 24 1 -----", "expect 26 24 c001", "click 1 19", "click 1 5", "expect 4 1 c001",
             "click 1 5", "click 4 12", "click 1 32", "expect 26 24 c002 ", "click 26 24"});
  EXPECT_EQ(e.linha(1), "<pag anterior>    <pag seguinte>r ou <aqui> para digitar o nome ou <aqui> para voltar");
  EXPECT_EQ(e.NOMFILE, fixo("c002", 98));
}

TEST(Filates, ClicksOutsideTheGridSelectByIndex) {
  Pasta p(codigos(141));
  const struct {
    std::string clique, codigo;
  } casos[] = {
      {"click 24 1", "c141"},   // separator row: the first code of page 2
      {"click 4 80", "c008"},   // right of the last column: the next grid row
      {"click 4 99", "c010"},
  };
  for (const auto& caso : casos) {
    Escolha e({caso.clique, "click 26 30"});
    EXPECT_EQ(e.NOMFILE, fixo(caso.codigo, 98)) << caso.clique;
  }
  Escolha fora({"click 25 1", "click 26 30"});  // index 148, past the list
  EXPECT_EQ(fora.NOMFILE, fixo("anterior", 98));
}

TEST(Filates, AtMost190CodesInNameOrder) {
  Pasta p(codigos(200));
  Escolha e({"click 1 25", "click 11 1", "click 11 12", "click 26 24"});
  EXPECT_EQ(e.linha(11), "c190");
  EXPECT_EQ(e.NOMFILE, fixo("c190", 98));
}

TEST(Filates, NoFileOfTheTypeReturnsAtOnce) {
  Pasta p({"a_ET0.txt"});
  Escolha e({});
  EXPECT_EQ(e.IERR, 1);
  EXPECT_EQ(e.NOMFILE, fixo("anterior", 98));
  EXPECT_EQ(e.linha(1), "");
  EXPECT_EQ(e.linha(4), "Não foram encontados ficheiros com a extensão indicada"_w);
  EXPECT_EQ(e.linha(5), std::string(80, '-'));
  EXPECT_EQ(e.c.grelha().cel(5, 1).texto, COR(7));
  EXPECT_EQ(e.c.grelha().cor_texto, COR(8));
  EXPECT_EQ(e.c.grelha().linha(), 7);
  EXPECT_EQ(e.c.grelha().coluna(), 1);
}

}  // namespace
