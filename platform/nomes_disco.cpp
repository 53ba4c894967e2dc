#include "nomes_disco.h"

#include <dirent.h>
#include <sys/stat.h>

#include <utility>

#include "cp1252.h"

namespace {

unsigned char minuscula(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                // Ÿ
  return c;
}

// How far an entry read as lido stands from nome: -1 the same letters, else the count of letters whose
// case differs; -2 when it does not stand for nome at all.
int distancia(const std::string& lido, const std::string& nome, bool caixa) {
  if (lido == nome) return -1;
  if (!caixa || sem_caixa(lido) != sem_caixa(nome)) return -2;
  int n = 0;
  for (size_t i = 0; i < nome.size(); ++i) n += lido[i] != nome[i];
  return n;
}

// The entry of folder pasta (on disk, "" or ending in "/") that the program's name nome stands for.
std::string entrada(const std::string& pasta, const std::string& nome, bool caixa) {
  const std::string utf8 = para_utf8(nome);
  struct stat st;
  if (nome.empty() || lstat((pasta + utf8).c_str(), &st) == 0) return utf8;
  // The closest entry; among equals the first in byte order, whatever order the folder gives.
  std::pair<int, std::string> melhor{-2, ""};
  for (const std::string& e : entradas_disco(pasta)) {
    std::pair<int, std::string> esta{distancia(de_utf8(e), nome, caixa), e};
    if (esta.first != -2 && (melhor.first == -2 || esta < melhor)) melhor = esta;
  }
  return melhor.first == -2 ? utf8 : melhor.second;
}

std::string procura(const std::string& nome, bool caixa) {
  std::string disco;
  size_t inicio = 0;
  for (;;) {
    size_t barra = nome.find('/', inicio);
    if (barra == std::string::npos) return disco + entrada(disco, nome.substr(inicio), caixa);
    disco += entrada(disco, nome.substr(inicio, barra - inicio), false) + "/";
    inicio = barra + 1;
  }
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

std::string no_disco(const std::string& nome) { return procura(nome, nome.find('/') == std::string::npos); }

std::string pasta_no_disco(const std::string& caminho) { return procura(caminho, false); }
