// The folders and the settings file: paths of any depth are kept whole, and no path is formed from a
// folder that cannot be named.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "pasta_temporaria.h"
#include "rotinas_minhas.h"

namespace {

TEST(Diretoria, SettingsFileKeepsAFolderOfAnyLengthWhole) {
  PastaTemporaria p;
  for (size_t n : {5, 264, 300}) {
    const std::string DIRET = "/" + std::string(n - 1, 'x'), DIRET0 = fixo(p.caminho, TAM_DIRET);
    ASSERT_TRUE(ALTERA_DIR(DIRET, DIRET0));
    EXPECT_EQ(le("diretoria.dat"), fixo(DIRET, std::max<size_t>(n, TAM_DIRET)) + "\r\n    0\t    0\r\n") << n;
    std::string lido;
    ASSERT_TRUE(LE_DIRETORIA(FICHDIR(DIRET0), lido));
    EXPECT_EQ(lido, PASTA_FIXA(DIRET)) << n;
  }
}

// A start folder whose name Windows wrote (a byte that is not UTF-8) keeps its settings file, and the
// data folder it names is reached again at the reload.
TEST(Diretoria, AStartFolderNamedInWindows1252KeepsItsSettingsFile) {
  PastaTemporaria p;
  ASSERT_EQ(mkdir("\xc9vora", 0755), 0);
  ASSERT_EQ(mkdir("\xc9vora/dados", 0755), 0);
  ASSERT_EQ(chdir("\xc9vora"), 0);
  std::string DIRET0, DIRET;
  DIRETORIA_CORRENTE(DIRET0);
  ASSERT_TRUE(ALTERA_DIR(fixo(p.caminho + "/\xc9vora/dados", TAM_DIRET), DIRET0));
  EXPECT_EQ(le(p.caminho + "/\xc9vora/diretoria.dat").substr(0, p.caminho.size() + 12), p.caminho + "/\xc9vora/dados");
  int IDEF = 0;
  RECARREGA_DIRETORIA(DIRET, DIRET0, IDEF);
  EXPECT_EQ(apara(DIRET), p.caminho + "/\xc9vora/dados");
  EXPECT_EQ(le("diretoria.dat"), "") << "the current folder is the data folder";
}

TEST(Diretoria, ARemovedCurrentFolderNamesNoSettingsFile) {
  PastaTemporaria p;
  ASSERT_EQ(mkdir("removida", 0755), 0);
  ASSERT_EQ(chdir("removida"), 0);
  ASSERT_EQ(rmdir((p.caminho + "/removida").c_str()), 0);
  std::string DIRET0 = fixo(p.caminho, TAM_DIRET), DIRET = DIRET0;
  int IDEF = 0;
  RECARREGA_DIRETORIA(DIRET, DIRET0, IDEF);
  EXPECT_EQ(DIRET0, std::string(TAM_DIRET, ' '));
  EXPECT_EQ(DIRET, DIRET0);
  EXPECT_EQ(FICHDIR(DIRET0), "");
  EXPECT_FALSE(ALTERA_DIR(fixo("/tmp", TAM_DIRET), DIRET0));
}

}  // namespace
