// The temporary files noted for the signals that end the program: which ones a signal removes, the
// handler itself, and the signals held back while a set of files is put in place.
#include "temporarios.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "pasta_temporaria.h"

namespace {

bool existe(const std::string& nome) { return access(nome.c_str(), F_OK) == 0; }

TEST(Temporarios, ASignalRemovesTheNotedFilesOnly) {
  PastaTemporaria pasta;
  EXPECT_EQ(mkdir("sub", 0755), 0);
  const int a = nota_temporario(".a_NRG.txt.1.tmp");
  const int b = nota_temporario(".b_NRG.txt.1.tmp");
  const int c = nota_temporario(pasta.caminho + "/sub/.c_CUL.txt.1.tmp");
  EXPECT_TRUE(a > 0 && b > 0 && c > 0 && a != b && b != c && a != c);
  for (const char* f : {".a_NRG.txt.1.tmp", ".b_NRG.txt.1.tmp", "sub/.c_CUL.txt.1.tmp", "a_NRG.txt"}) grava(f, "x");
  esquece_temporario(b);
  // A name is taken whole where it was noted: a later change of folder removes the same file.
  EXPECT_EQ(chdir("sub"), 0);
  apaga_temporarios();
  EXPECT_EQ(chdir(".."), 0);
  EXPECT_FALSE(existe(".a_NRG.txt.1.tmp"));
  EXPECT_TRUE(existe(".b_NRG.txt.1.tmp"));
  EXPECT_FALSE(existe("sub/.c_CUL.txt.1.tmp"));
  EXPECT_TRUE(existe("a_NRG.txt"));
  esquece_temporario(a);
  esquece_temporario(c);
  esquece_temporario(0);
}

TEST(Temporarios, AFullTableOrAPathTooLongIsLeftUnnoted) {
  EXPECT_EQ(nota_temporario("/tmp/" + std::string(5000, 'x')), 0);
  std::vector<int> notas;
  for (int n = nota_temporario("/tmp/.x.tmp"); n > 0; n = nota_temporario("/tmp/.x.tmp")) notas.push_back(n);
  EXPECT_GE(notas.size(), 3u) << "the three result files of a run";
  esquece_temporario(notas.back());
  EXPECT_EQ(nota_temporario("/tmp/.y.tmp"), notas.back()) << "a forgotten note is taken again";
  for (int n : notas) esquece_temporario(n);
}

TEST(TemporariosDeathTest, TheHandlerRemovesThemAndExitsWith128PlusTheSignal) {
  PastaTemporaria pasta;
  EXPECT_EXIT(
      {
        nota_temporario(".x_BAL.txt.1.tmp");
        grava(".x_BAL.txt.1.tmp", "x");
        trata_sinais_de_fim(sai_sem_temporarios);
        raise(SIGTERM);
      },
      ::testing::ExitedWithCode(128 + SIGTERM), "");
  EXPECT_FALSE(existe(".x_BAL.txt.1.tmp"));
}

// Names that tell a temporary file and its writer, as the opening of a data folder reads them.
TEST(Temporarios, TheWriterOfATemporaryFileIsReadFromItsName) {
  EXPECT_EQ(nome_temporario("a_NRG.txt", 42), ".a_NRG.txt.42.tmp");
  EXPECT_EQ(nome_temporario("/d/diretoria.dat", 7), "/d/.diretoria.dat.7.tmp");
  const struct {
    const char* nome;
    pid_t pid;  // 0: not a temporary file
  } casos[] = {{".a_NRG.txt.42.tmp", 42}, {".a.b.7.tmp", 7}, {".paludex_renomeia.9.tmp", 9},
               {"a.42.tmp", 0},           {".a.42.tmp.x", 0}, {".42.tmp", 0},
               {"..42.tmp", 0},           {".a.0.tmp", 0},    {".a.-1.tmp", 0},
               {".a.4x.tmp", 0},          {".a..tmp", 0},     {".a.9999999999.tmp", 0}};
  for (const auto& c : casos) {
    pid_t pid = 0;
    EXPECT_EQ(pid_de_temporario(c.nome, pid), c.pid != 0) << c.nome;
    EXPECT_EQ(pid, c.pid) << c.nome;
  }
}

volatile sig_atomic_t recebido = 0;
extern "C" void regista_sinal(int sinal) { recebido = sinal; }

TEST(Temporarios, HeldSignalsArriveOnceTheGuardGoes) {
  struct sigaction sa {}, antes {};
  sa.sa_handler = regista_sinal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGHUP, &sa, &antes);
  recebido = 0;
  {
    SinaisRetidos retidos;
    raise(SIGHUP);
    EXPECT_EQ(recebido, 0);
  }
  EXPECT_EQ(recebido, SIGHUP);
  sigaction(SIGHUP, &antes, nullptr);
}

}  // namespace
