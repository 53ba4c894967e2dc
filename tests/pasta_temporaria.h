// Test fixture helpers: a temporary folder made the current directory for the test's life, whole-file
// reads and writes of bytes, and the names in a folder.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
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

// The entries of the current folder, hidden ones too, in byte order, each followed by a blank.
inline std::string entradas() {
  std::string r;
  FILE* p = popen("ls -A | LC_ALL=C sort | tr '\\n' ' '", "r");
  for (int c; (c = fgetc(p)) != EOF;) r += static_cast<char>(c);
  pclose(p);
  return r;
}
