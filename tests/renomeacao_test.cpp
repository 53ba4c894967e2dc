// The rename note of a set of files: what the opening of a data folder does with the notes and temporary
// files of a process that no longer runs, laid out by hand, and how a set is renamed under its note.
#include "renomeacao.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "erro.h"
#include "pasta_temporaria.h"
#include "temporarios.h"

namespace {

// The id of a process that has ended.
pid_t morto() {
  pid_t p = fork();
  if (p == 0) _exit(0);
  waitpid(p, nullptr, 0);
  return p;
}

// The note of process pid listing the given names (each followed by its temporary, as the writer lists them).
void nota(pid_t pid, const std::vector<std::string>& nomes, const std::string& cabecalho = "paludex renomeia\n") {
  std::string c = cabecalho;
  for (const std::string& n : nomes) c += nome_temporario(n, pid) + '\0' + n + '\0';
  grava(".paludex_renomeia." + std::to_string(pid), c);
}

// A run killed after it renamed its requirement report: the frequency file and the water-balance report
// still wait under their temporary names. Around it, temporaries of other processes.
TEST(Renomeacao, TheNoteOfAProcessThatNoLongerRunsIsFinished) {
  PastaTemporaria pasta;
  const pid_t p = morto(), vivo = getppid();
  const std::string P = std::to_string(p), V = std::to_string(vivo), EU = std::to_string(getpid());
  grava("c_NRG.txt", "novo");
  for (const char* f : {"c_frq.txt", "c_BAL.txt"}) {
    grava(f, "antigo");
    grava(nome_temporario(f, p), "novo");
  }
  nota(p, {"c_NRG.txt", "c_frq.txt", "c_BAL.txt"});
  const std::vector<std::string> ficam = {
      ".y_CUL.txt." + V + ".tmp",  // another instance is writing it
      ".paludex_renomeia." + V,    // and this is its set being renamed
      "w." + P + ".tmp", ".v.tmp", ".u.x" + P + ".tmp", "." + P + ".tmp"};  // not temporary names
  for (const std::string& f : ficam) grava(f, "");
  // Left by processes that are gone (this one's id: an earlier process of that id).
  for (const std::string& f :
       {".x_FRT.txt." + P + ".tmp", ".z_CUL.txt." + EU + ".tmp", ".paludex_renomeia." + P + ".tmp"})
    grava(f, "");
  arruma_pasta();
  for (const char* f : {"c_NRG.txt", "c_frq.txt", "c_BAL.txt"}) EXPECT_EQ(le(f), "novo") << f;
  EXPECT_EQ(entradas(), "." + P + ".tmp .paludex_renomeia." + V + " .u.x" + P + ".tmp .v.tmp .y_CUL.txt." + V +
                            ".tmp c_BAL.txt c_NRG.txt c_frq.txt w." + P + ".tmp ");
}

// What is not a note that process makes is removed without a rename, and its temporaries with it.
TEST(Renomeacao, ANoteThatListsOtherRenamesIsRemovedUnused) {
  const pid_t p = morto(), outro = morto();
  const std::string P = std::to_string(p);
  const struct {
    std::string conteudo;
  } casos[] = {
      {"outra coisa\n" + nome_temporario("a_NRG.txt", p) + '\0' + "a_NRG.txt" + '\0'},
      {"paludex renomeia\n" + nome_temporario("a_NRG.txt", outro) + '\0' + "a_NRG.txt" + '\0'},
      {"paludex renomeia\n" + nome_temporario("a_NRG.txt", p) + '\0' + "a_BAL.txt" + '\0'},
      {"paludex renomeia\n" + nome_temporario("a_NRG.txt", p) + '\0' + "a_NRG.txt"},
      {"paludex renomeia\n" + nome_temporario("a_NRG.txt", p) + '\0'},
      {"paludex renomeia\n.." + P + ".tmp" + '\0' + "." + '\0'},
      {"paludex renomeia\n" + nome_temporario("../a_NRG.txt", p) + '\0' + "../a_NRG.txt" + '\0'},
  };
  for (const auto& c : casos) {
    PastaTemporaria pasta;
    ASSERT_EQ(mkdir("dados", 0755), 0);
    ASSERT_EQ(chdir("dados"), 0);
    for (const char* f : {"a_NRG.txt", "a_BAL.txt", "../a_NRG.txt"}) grava(f, "antigo");
    for (const char* f : {"a_NRG.txt", "../a_NRG.txt"}) {
      grava(nome_temporario(f, p), "novo");
      grava(nome_temporario(f, outro), "novo");
    }
    grava(".paludex_renomeia." + P, c.conteudo);
    arruma_pasta();
    EXPECT_EQ(entradas(), "a_BAL.txt a_NRG.txt ") << c.conteudo;
    EXPECT_EQ(le("a_NRG.txt") + le("a_BAL.txt") + le("../a_NRG.txt"), "antigoantigoantigo") << c.conteudo;
    ASSERT_EQ(chdir(".."), 0);
  }
}

// A rename that cannot be done now (a folder stands at the name) does not stop the others nor the program;
// the note and that temporary stay, and the next opening finishes them.
TEST(Renomeacao, ANoteThatCannotBeFinishedNowWaitsForTheNextOpening) {
  PastaTemporaria pasta;
  const pid_t p = morto();
  for (const char* f : {"c_NRG.txt", "c_BAL.txt"}) grava(nome_temporario(f, p), "novo");
  ASSERT_EQ(mkdir("c_NRG.txt", 0755), 0);
  grava("c_NRG.txt/dentro", "");
  nota(p, {"c_NRG.txt", "c_BAL.txt"});
  arruma_pasta();
  EXPECT_EQ(le("c_BAL.txt"), "novo");
  EXPECT_EQ(entradas(), nome_temporario("c_NRG.txt", p) + " .paludex_renomeia." + std::to_string(p) +
                            " c_BAL.txt c_NRG.txt ");
  ASSERT_EQ(std::system("rm -r c_NRG.txt"), 0);
  arruma_pasta();
  EXPECT_EQ(le("c_NRG.txt"), "novo");
  EXPECT_EQ(entradas(), "c_BAL.txt c_NRG.txt ");
}

// The writer: a set is renamed whole under its note, which is gone afterwards; a rename that fails leaves
// the others done; a note that cannot be written stops the set before any rename.
TEST(Renomeacao, ASetIsRenamedUnderItsNote) {
  PastaTemporaria pasta;
  std::vector<Renomeacao> pares;
  for (const char* f : {"a_NRG.txt", "a_frq.txt", "a_BAL.txt"}) {
    grava(f, "antigo");
    grava(nome_temporario(f), "novo");
    pares.push_back({nome_temporario(f), f});
  }
  std::remove(pares[1].temporario.c_str());
  renomeia_juntos(pares);
  EXPECT_TRUE(pares[0].feita && !pares[1].feita && pares[2].feita);
  EXPECT_EQ(le("a_NRG.txt") + le("a_frq.txt") + le("a_BAL.txt"), "novoantigonovo");
  EXPECT_EQ(entradas(), "a_BAL.txt a_NRG.txt a_frq.txt ");

  for (Renomeacao& r : pares) {
    grava(r.temporario, "outro");
    r.feita = false;
  }
  ASSERT_EQ(mkdir((".paludex_renomeia." + std::to_string(getpid()) + ".tmp").c_str(), 0755), 0);
  try {
    renomeia_juntos(pares);
    ADD_FAILURE() << "renamed without a note";
  } catch (const ErroFicheiro& e) {
    EXPECT_EQ(e.ficheiro, ".paludex_renomeia." + std::to_string(getpid()));
  }
  EXPECT_FALSE(pares[0].feita || pares[1].feita || pares[2].feita);
  EXPECT_EQ(le("a_NRG.txt") + le("a_frq.txt") + le("a_BAL.txt"), "novoantigonovo");
}

}  // namespace
