// Test fixture helpers: a temporary folder made the current directory for the test's life, and whole-file
// reads and writes of bytes.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

struct PastaTemporaria {
  std::string antes, caminho;
  PastaTemporaria() {
    char modelo[] = "/tmp/paludex_teste_XXXXXX";
    caminho = mkdtemp(modelo);
    char buf[4096];
    antes = getcwd(buf, sizeof buf);
    EXPECT_EQ(chdir(caminho.c_str()), 0);
  }
  ~PastaTemporaria() {
    EXPECT_EQ(chdir(antes.c_str()), 0);
    EXPECT_EQ(std::system(("rm -rf '" + caminho + "'").c_str()), 0);
  }
};

inline void grava(const std::string& nome, const std::string& bytes) {
  std::ofstream(nome, std::ios::binary) << bytes;
}

inline std::string le(const std::string& nome) {
  std::ifstream f(nome, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}
