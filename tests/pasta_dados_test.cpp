// Opening a data folder: what runs that died left is put right, and nothing else is touched: the user's
// files, the temporary files of live runs, whatever stands at the note's name. Another instance putting
// its set in place is waited for.
#include "pasta_dados.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <thread>

#include "ficheiro_escrita.h"
#include "nota_renomeacao.h"
#include "pasta_temporaria.h"
#include "temporarios.h"
#include "trinco.h"

namespace {

std::string abre() {
  std::string aviso;
  EXPECT_TRUE(abre_pasta(".", aviso));
  return aviso;
}

// A process of its own that holds the lock of the temporary file t (another instance writing it) until
// it is killed.
pid_t segura(const std::string& t) {
  grava(t, "");
  const pid_t p = fork();
  if (p == 0) {
    tranca(open(t.c_str(), O_RDONLY));
    grava("seguro", "");
    pause();
    _exit(0);
  }
  while (access("seguro", F_OK) != 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  unlink("seguro");
  return p;
}

void acaba(pid_t p) {
  kill(p, SIGKILL);
  waitpid(p, nullptr, 0);
}

TEST(PastaDados, OnlyTheProgramsTemporariesThatNoRunHoldsAreRemoved) {
  PastaTemporaria pasta;
  const std::string morto = nome_temporario("x_FRT.txt", "Morto1"), outro = nome_temporario("y_CUL.txt", "Vivo01");
  const std::vector<std::string> ficam = {".minhas_notas.2024.tmp", ".foto.jpg.31337.tmp", ".bashrc.4000000.tmp",
                                          ".a_NRG.txt.1.tmp", "notas.txt"};
  for (const std::string& f : ficam) grava(f, "do utilizador");
  grava(morto, "");
  ASSERT_EQ(symlink("notas.txt", nome_temporario("l_CUL.txt", "Ligado").c_str()), 0);
  ASSERT_EQ(mkdir(nome_temporario("p_CUL.txt", "Pasta1").c_str(), 0755), 0);
  const pid_t p = segura(outro);
  FicheiroEscrita aberto("z_BAL.txt");  // this run's own, being written
  EXPECT_EQ(abre(), "");
  acaba(p);
  for (const std::string& f : ficam) EXPECT_EQ(le(f), "do utilizador") << f;
  const std::string e = entradas();
  EXPECT_EQ(e.find(morto), std::string::npos) << e;
  for (const std::string& f : {outro, nome_temporario("l_CUL.txt", "Ligado"), nome_temporario("p_CUL.txt", "Pasta1"),
                               std::string(".z_BAL.txt.paludex-")})
    EXPECT_NE(e.find(f), std::string::npos) << f << " in " << e;
  aberto.registo("z");
  aberto.conclui();
  EXPECT_EQ(le("z_BAL.txt"), "z\r\n");
}

// A note says nothing of its writer but what its lock says: one that no process holds is finished at the
// opening, however the writer died (a kill in another process-id space, a power cut).
TEST(PastaDados, ANoteThatNoLockHoldsIsFinishedAndOneThatCannotBeSaysSo) {
  PastaTemporaria pasta;
  std::vector<Renomeacao> pares;
  for (const char* f : {"c_NRG.txt", "c_BAL.txt", "c_frq.txt"}) {
    grava(f, "antigo");
    pares.push_back({nome_temporario(f, "Sorteo"), f});
    grava(pares.back().temporario, "novo");
  }
  grava(NOME_NOTA, forma_nota(pares));
  ASSERT_EQ(mkdir("c_frq.txt.d", 0755), 0);
  ASSERT_EQ(std::rename("c_frq.txt", "c_frq.txt.d/c_frq.txt"), 0);
  ASSERT_EQ(mkdir("c_frq.txt", 0755), 0);
  grava("c_frq.txt/dentro", "");
  const std::string aviso = abre();
  EXPECT_NE(aviso.find("c_frq.txt (o ficheiro novo"), std::string::npos) << aviso;
  EXPECT_NE(aviso.find(pares[2].temporario), std::string::npos) << aviso;
  EXPECT_EQ(le("c_NRG.txt") + le("c_BAL.txt"), "novonovo");
  EXPECT_EQ(le(pares[2].temporario), "novo") << "what waits in the note is kept";
  ASSERT_EQ(std::system("rm -r c_frq.txt"), 0);
  EXPECT_EQ(abre(), "");
  EXPECT_EQ(le("c_frq.txt"), "novo");
  EXPECT_EQ(entradas(), "c_BAL.txt c_NRG.txt c_frq.txt c_frq.txt.d ");
}

// A folder, a FIFO or a link at the note's name is no note: the opening neither waits nor reads it.
TEST(PastaDados, WhatIsNotARegularFileAtTheNotesNameIsLeftAlone) {
  const struct {
    const char* como;
    int (*faz)();
  } casos[] = {
      {"pasta", [] { return mkdir(NOME_NOTA.c_str(), 0755); }},
      {"fifo", [] { return mkfifo(NOME_NOTA.c_str(), 0644); }},
      {"ligação", [] { return symlink("/dev/zero", NOME_NOTA.c_str()); }},
  };
  for (const auto& c : casos) {
    PastaTemporaria pasta;
    ASSERT_EQ(c.faz(), 0) << c.como;
    grava("c_NRG.txt", "antigo");
    EXPECT_EQ(abre(), "") << c.como;
    struct stat st;
    EXPECT_EQ(lstat(NOME_NOTA.c_str(), &st), 0) << c.como;
    EXPECT_EQ(entradas(), NOME_NOTA + " c_NRG.txt ") << c.como;
  }
}

// While another instance holds the folder's lock (it is putting its set in place), opening the folder and
// putting a set in place wait for it, and then go on.
TEST(PastaDados, AnotherInstancePuttingItsSetInPlaceIsWaitedFor) {
  PastaTemporaria pasta;
  const auto ESPERA = std::chrono::milliseconds(300);
  for (int vez = 0; vez < 2; ++vez) {
    std::optional<FicheiroEscrita> f;
    if (vez == 1) f.emplace("c_NRG.txt");
    const pid_t p = fork();
    if (p == 0) {
      TrincoPasta t(open(".", O_RDONLY | O_DIRECTORY));
      grava("seguro", "");
      std::this_thread::sleep_for(ESPERA);
      _exit(0);
    }
    while (access("seguro", F_OK) != 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    unlink("seguro");
    const auto inicio = std::chrono::steady_clock::now();
    if (vez == 0)
      abre();
    else
      f->conclui();
    EXPECT_GE(std::chrono::steady_clock::now() - inicio, ESPERA - std::chrono::milliseconds(50)) << vez;
    waitpid(p, nullptr, 0);
  }
}

}  // namespace
