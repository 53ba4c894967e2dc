// The temporary files of the files being written: their marked names, the note of them that a signal
// reads, the handler itself, and the signals held back while a set of files is put in place.
#include "temporarios.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "pasta_temporaria.h"

namespace {

bool existe(const std::string& nome) { return access(nome.c_str(), F_OK) == 0; }

// A temporary file created in folder pasta (a path), with a byte in it; its descriptor is closed.
struct Criado {
  int pasta, nota = 0;
  std::string nome;
  explicit Criado(const char* caminho) : pasta(open(caminho, O_RDONLY | O_DIRECTORY)) {
    const int fd = cria_temporario(pasta, "a_NRG.txt", nome, nota);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, "x", 1), 1);
    close(fd);
  }
  ~Criado() {
    esquece_temporario(nota);
    close(pasta);
  }
};

TEST(Temporarios, ASignalRemovesTheNotedFilesOnlyWhereverTheCurrentFolderIsThen) {
  PastaTemporaria pasta;
  ASSERT_EQ(mkdir("sub", 0755), 0);
  Criado a("."), b("."), c("sub");
  EXPECT_TRUE(a.nota > 0 && b.nota > 0 && c.nota > 0 && a.nota != b.nota && b.nota != c.nota);
  EXPECT_NE(a.nome, b.nome) << "each file draws a name of its own";
  grava("a_NRG.txt", "x");
  esquece_temporario(b.nota);
  b.nota = 0;
  ASSERT_EQ(chdir("/"), 0);
  apaga_temporarios();
  ASSERT_EQ(chdir(pasta.caminho.c_str()), 0);
  EXPECT_FALSE(existe(a.nome));
  EXPECT_TRUE(existe(b.nome));
  EXPECT_FALSE(existe("sub/" + c.nome));
  EXPECT_TRUE(existe("a_NRG.txt"));
}

// No temporary file is created unnoted: one that a signal would leave behind is refused.
TEST(Temporarios, AFullTableRefusesTheFile) {
  PastaTemporaria pasta;
  const int d = open(".", O_RDONLY | O_DIRECTORY);
  std::vector<int> notas;
  std::string nome;
  for (int n = 0, fd; (fd = cria_temporario(d, "x_BAL.txt", nome, n)) >= 0; notas.push_back(n)) close(fd);
  EXPECT_EQ(errno, EMFILE);
  EXPECT_GE(notas.size(), 4u) << "the three result files of a run and the note of their renames";
  EXPECT_EQ(entradas().size(), notas.size() * (nome.size() + 1)) << "nothing created for the refused one";
  esquece_temporario(notas.back());
  int n = 0;
  const int fd = cria_temporario(d, "x_BAL.txt", nome, n);
  EXPECT_GE(fd, 0) << "a forgotten note is taken again";
  close(fd);
  for (int k : notas) esquece_temporario(k);
  esquece_temporario(n);
  const std::string longo(250, 'x');
  EXPECT_EQ(cria_temporario(d, longo, nome, n), -1) << "a name longer than an entry's";
  EXPECT_EQ(errno, ENAMETOOLONG);
  close(d);
}

TEST(TemporariosDeathTest, TheHandlerRemovesThemAndExitsWith128PlusTheSignal) {
  PastaTemporaria pasta;
  EXPECT_EXIT(
      {
        Criado c(".");
        grava("nome", c.nome);
        trata_sinais_de_fim(sai_sem_temporarios);
        raise(SIGTERM);
      },
      ::testing::ExitedWithCode(128 + SIGTERM), "");
  EXPECT_FALSE(existe(le("nome")));
  EXPECT_EQ(entradas(), "nome ");
}

// The mark that tells the program's own temporary files from the user's files.
TEST(Temporarios, OnlyTheProgramsMarkMakesATemporaryFile) {
  EXPECT_EQ(nome_temporario("a_NRG.txt", "Ab12cZ"), ".a_NRG.txt.paludex-Ab12cZ.tmp");
  const struct {
    const char *nome, *destino;  // destino null: not a temporary file of the program's
  } casos[] = {{".a_NRG.txt.paludex-Ab12cZ.tmp", "a_NRG.txt"},
               {"..paludex_renomeia.paludex-000000.tmp", ".paludex_renomeia"},
               {".a.paludex-ABCDEF.tmp", "a"},
               {".minhas_notas.2024.tmp", nullptr},
               {".foto.jpg.31337.tmp", nullptr},
               {".bashrc.4000000.tmp", nullptr},
               {".a_NRG.txt.42.tmp", nullptr},
               {"a.paludex-ABCDEF.tmp", nullptr},
               {".paludex-ABCDEF.tmp", nullptr},
               {".a.paludex-ABCDE.tmp", nullptr},
               {".a.paludex-ABCDEFG.tmp", nullptr},
               {".a.paludex-ABC-EF.tmp", nullptr},
               {".a.paludex-ABCDEF.tmp.x", nullptr},
               {".a.paludex_ABCDEF.tmp", nullptr}};
  for (const auto& c : casos) {
    std::string destino;
    EXPECT_EQ(e_temporario(c.nome, destino), c.destino != nullptr) << c.nome;
    EXPECT_EQ(destino, c.destino ? c.destino : "") << c.nome;
  }
}

volatile sig_atomic_t recebido = 0;
extern "C" void regista_sinal(int sinal) { recebido = sinal; }

TEST(Temporarios, HeldSignalsArriveOnceTheGuardGoes) {
  struct sigaction sa {
  }, antes{};
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
