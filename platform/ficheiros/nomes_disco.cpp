#include "nomes_disco.h"

#include <dirent.h>
#include <sys/stat.h>

#include "cp1252.h"
#include "nomes_dados.h"

namespace {

unsigned char minuscula(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                // Ÿ
  return c;
}

// The entry of folder pasta (on disk, "" or ending in "/") that the program's name nome stands for: its
// UTF-8 form, else the first entry in byte order that reads as it.
std::string entrada(const std::string& pasta, const std::string& nome) {
  const std::string utf8 = para_utf8(nome);
  struct stat st;
  if (nome.empty() || lstat((pasta + utf8).c_str(), &st) == 0) return utf8;
  std::string melhor;
  for (const std::string& e : entradas_disco(pasta))
    if (de_utf8(e) == nome && (melhor.empty() || e < melhor)) melhor = e;
  return melhor.empty() ? utf8 : melhor;
}

}  // namespace

std::vector<std::string> entradas_disco(const std::string& pasta) {
  std::vector<std::string> nomes;
  if (DIR* d = opendir(pasta.empty() ? "." : pasta.c_str())) {
    while (dirent* e = readdir(d)) nomes.push_back(e->d_name);
    closedir(d);
  }
  return nomes;
}

std::string sem_caixa(const std::string& texto) {
  std::string r = texto;
  for (char& c : r) c = static_cast<char>(minuscula(static_cast<unsigned char>(c)));
  return r;
}

std::string no_disco(const std::string& nome) {
  return nome.find('/') == std::string::npos ? entrada_dados(nome) : pasta_no_disco(nome);
}

std::string pasta_no_disco(const std::string& caminho) {
  std::string disco;
  size_t inicio = 0;
  for (;;) {
    size_t barra = caminho.find('/', inicio);
    if (barra == std::string::npos) return disco + entrada(disco, caminho.substr(inicio));
    disco += entrada(disco, caminho.substr(inicio, barra - inicio)) + "/";
    inicio = barra + 1;
  }
}

std::string no_programa(const std::string& nome) { return de_utf8(no_disco(nome)); }
