// A set of files put in place under its note: the writer's renames, what a note of a writer that died
// becomes, and what is read as a note at all.
#include "renomeacao.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "pasta_temporaria.h"
#include "temporarios.h"

namespace {

// The current folder as a descriptor, for the test's life.
struct Pasta : PastaTemporaria {
  int fd = open(".", O_RDONLY | O_DIRECTORY);
  ~Pasta() { close(fd); }
};

// The temporary file of f, as a writer names it, holding novo.
std::string temporario(const std::string& f, const std::string& novo, const std::string& sorteio = "Sorteo") {
  const std::string t = nome_temporario(f, sorteio);
  grava(t, novo);
  return t;
}

// The note that a writer that died left, listing the files given (each with its temporary file).
void nota(const std::vector<std::string>& nomes) {
  std::vector<Renomeacao> pares;
  for (const std::string& n : nomes) pares.push_back({nome_temporario(n, "Sorteo"), n});
  grava(NOME_NOTA, forma_nota(pares));
}

std::string tres() { return le("c_NRG.txt") + le("c_frq.txt") + le("c_BAL.txt"); }

// Killed after it renamed its requirement report: the frequency file and the water-balance report still
// wait under their temporary names, and the next opening finishes the set.
TEST(Renomeacao, TheNoteOfAWriterThatDiedIsFinished) {
  Pasta p;
  grava("c_NRG.txt", "N");
  for (const char* f : {"c_frq.txt", "c_BAL.txt"}) {
    grava(f, "a");
    temporario(f, "N");
  }
  nota({"c_NRG.txt", "c_frq.txt", "c_BAL.txt"});
  std::vector<Renomeacao> nenhuma;
  EXPECT_TRUE(poe_no_lugar(p.fd, nenhuma).empty());
  EXPECT_EQ(tres(), "NNN");
  EXPECT_EQ(entradas(), "c_BAL.txt c_NRG.txt c_frq.txt ");
}

// A later set of the same code puts the dead writer's other files in place first, and its own over those it
// replaces: no older file lands after a newer one.
TEST(Renomeacao, ALaterSetFinishesTheNoteFirstAndReplacesWhatItWritesAgain) {
  Pasta p;
  for (const char* f : {"c_NRG.txt", "c_frq.txt", "c_BAL.txt"}) {
    grava(f, "a");
    temporario(f, "m");
  }
  nota({"c_NRG.txt", "c_frq.txt", "c_BAL.txt"});
  std::vector<Renomeacao> pares = {{temporario("c_NRG.txt", "N", "Novo01"), "c_NRG.txt"},
                                   {temporario("c_BAL.txt", "N", "Novo01"), "c_BAL.txt"}};
  EXPECT_TRUE(poe_no_lugar(p.fd, pares).empty());
  EXPECT_TRUE(pares[0].feita && pares[1].feita);
  EXPECT_EQ(tres(), "NmN");
  EXPECT_EQ(entradas(), "c_BAL.txt c_NRG.txt c_frq.txt ");
}

// A rename that cannot be done now (a folder stands at the name) does not stop the others: the note stays
// with that one alone, and the next opening finishes it.
TEST(Renomeacao, ANoteThatCannotBeFinishedNowStaysWithWhatIsLeft) {
  Pasta p;
  for (const char* f : {"c_NRG.txt", "c_BAL.txt"}) temporario(f, "N");
  ASSERT_EQ(mkdir("c_NRG.txt", 0755), 0);
  grava("c_NRG.txt/dentro", "");
  nota({"c_NRG.txt", "c_BAL.txt"});
  std::vector<Renomeacao> nenhuma;
  const std::vector<Renomeacao> esperam = poe_no_lugar(p.fd, nenhuma);
  ASSERT_EQ(esperam.size(), 1u);
  EXPECT_EQ(esperam[0].destino, "c_NRG.txt");
  EXPECT_EQ(le("c_BAL.txt"), "N");
  std::vector<Renomeacao> lista;
  ASSERT_TRUE(le_nota(le(NOME_NOTA), lista));
  ASSERT_EQ(lista.size(), 1u);
  EXPECT_EQ(lista[0].destino, "c_NRG.txt");
  ASSERT_EQ(std::system("rm -r c_NRG.txt"), 0);
  EXPECT_TRUE(poe_no_lugar(p.fd, nenhuma).empty());
  EXPECT_EQ(le("c_NRG.txt"), "N");
  EXPECT_EQ(entradas(), "c_BAL.txt c_NRG.txt ");
}

// The writer: a set is renamed whole under its note, which is gone afterwards; a rename that fails leaves
// the others done and says why; a note that cannot be written stops the set before any rename.
TEST(Renomeacao, ASetIsRenamedUnderItsNote) {
  Pasta p;
  std::vector<Renomeacao> pares;
  for (const char* f : {"c_NRG.txt", "c_frq.txt", "c_BAL.txt"}) {
    grava(f, "a");
    pares.push_back({temporario(f, "N"), f});
  }
  std::remove(pares[1].temporario.c_str());
  EXPECT_TRUE(poe_no_lugar(p.fd, pares).empty());
  EXPECT_TRUE(pares[0].feita && !pares[1].feita && pares[2].feita);
  EXPECT_EQ(pares[1].erro, ENOENT);
  EXPECT_EQ(tres(), "NaN");
  EXPECT_EQ(entradas(), "c_BAL.txt c_NRG.txt c_frq.txt ");

  for (Renomeacao& r : pares) {
    grava(r.temporario, "outro");
    r.feita = false;
  }
  ASSERT_EQ(mkdir(NOME_NOTA.c_str(), 0755), 0);
  poe_no_lugar(p.fd, pares);
  for (const Renomeacao& r : pares) EXPECT_TRUE(!r.feita && r.erro == NOTA_ALHEIA) << r.destino;
  EXPECT_EQ(tres(), "NaN");
  struct stat st;
  EXPECT_TRUE(stat(NOME_NOTA.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) << "what is not a note is left alone";
}

// Only what the program writes is read as a note: anything else renames nothing and is left as it is.
TEST(Renomeacao, WhatIsNotANoteOfTheProgramsIsLeftAlone) {
  const std::string t = nome_temporario("a_NRG.txt", "Sorteo");
  const std::string casos[] = {
      "outra coisa\n" + t + '\0' + "a_NRG.txt" + '\0',
      "paludex renomeia\n.a_NRG.txt.42.tmp" + std::string(1, '\0') + "a_NRG.txt" + '\0',
      "paludex renomeia\n" + t + '\0' + "a_BAL.txt" + '\0',
      "paludex renomeia\n" + t + '\0' + "a_NRG.txt",
      "paludex renomeia\n" + t + '\0',
      "paludex renomeia\n" + nome_temporario("../a_NRG.txt", "Sorteo") + '\0' + "../a_NRG.txt" + '\0',
      "paludex renomeia\n" + t + '\0' + "a_NRG.txt" + '\0' + std::string(MAXIMO_NOTA, 'x'),
  };
  for (const std::string& c : casos) {
    std::vector<Renomeacao> pares;
    EXPECT_FALSE(le_nota(c, pares)) << c;
    Pasta p;
    ASSERT_EQ(mkdir("dados", 0755), 0);
    ASSERT_EQ(chdir("dados"), 0);
    const int d = open(".", O_RDONLY | O_DIRECTORY);
    for (const char* f : {"a_NRG.txt", "a_BAL.txt", "../a_NRG.txt"}) grava(f, "a");
    temporario("a_NRG.txt", "N");
    grava(NOME_NOTA, c);
    std::vector<Renomeacao> nenhuma;
    EXPECT_TRUE(poe_no_lugar(d, nenhuma).empty());
    EXPECT_EQ(le(NOME_NOTA), c);
    EXPECT_EQ(le("a_NRG.txt") + le("a_BAL.txt") + le("../a_NRG.txt"), "aaa") << c;
    close(d);
    ASSERT_EQ(chdir(".."), 0);
  }
}

}  // namespace
