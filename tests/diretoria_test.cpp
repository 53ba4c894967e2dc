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
