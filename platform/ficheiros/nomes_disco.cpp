#include "nomes_disco.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "cp1252.h"
#include "nomes_dados.h"
#include "texto.h"

namespace {

unsigned char minuscula(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                // Ÿ
  return c;
}

// "a, b e c".
std::string enumera(const std::vector<std::string>& nomes) {
  std::string r;
  for (size_t i = 0; i < nomes.size(); ++i) r += (i == 0 ? "" : i + 1 == nomes.size() ? " e " : ", ") + nomes[i];
  return r;
}

// The entries as the program reads them, in order.
std::string lidas(const std::vector<std::string>& entradas) {
  std::vector<std::string> r;
  for (const std::string& e : entradas) r.push_back(de_utf8(e));
  std::sort(r.begin(), r.end());
  return enumera(r);
}

// Why a name is refused when two entries stand for it: the reason of a message that names it ("Erro no
// ficheiro x: há mais de um ficheiro com este nome, ..."), or the line of its own that says so (aviso).
std::string ambiguo(const std::string& nome, const std::vector<std::string>& entradas, Procura procura, bool aviso) {
  const bool ficheiro = procura == Procura::DADOS;
  const std::string quem = ficheiro ? "um ficheiro" : "uma pasta", deles = ficheiro ? "um deles" : "uma delas";
  if (aviso)
    return "Há mais de "_w + quem + " com o nome " + nome + ": " + lidas(entradas) + ". Mude o nome de " + deles + ".";
  return "há mais de "_w + quem + " com este nome, " + lidas(entradas) + ": mude o nome de " + deles;
}

}  // namespace

std::string entrada_disco(const std::string& pasta, const std::string& nome, Procura procura) {
  const std::string utf8 = para_utf8(nome);
  struct stat st;
  if (nome.empty() || lstat((pasta + utf8).c_str(), &st) == 0) return utf8;
  // The steps after the exact name, in order: the same letters, the same code, the same name in any case.
  std::vector<std::string> passos[3];
  const std::string caixa = sem_caixa(nome);
  const size_t codigo = nome.size() >= SUFIXO_DADOS ? nome.size() - SUFIXO_DADOS : 0;
  for (const std::string& e : entradas_disco(pasta)) {
    const std::string lido = de_utf8(e);
    if (lido == nome)
      passos[0].push_back(e);
    else if (procura == Procura::DADOS && sem_caixa(lido) == caixa)
      passos[lido.compare(0, codigo, nome, 0, codigo) == 0 ? 1 : 2].push_back(e);
  }
  for (const std::vector<std::string>& p : passos) {
    if (p.size() == 1) return p.front();
    if (p.size() > 1) throw NomeAmbiguo(nome, p, procura);
  }
  return utf8;
}

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
  return nome.find('/') == std::string::npos ? entrada_disco("", nome, Procura::DADOS) : pasta_no_disco(nome);
}

std::string pasta_no_disco(const std::string& caminho) {
  std::string disco;
  size_t inicio = 0;
  for (;;) {
    size_t barra = caminho.find('/', inicio);
    if (barra == std::string::npos) return disco + entrada_disco(disco, caminho.substr(inicio), Procura::CAMINHO);
    disco += entrada_disco(disco, caminho.substr(inicio, barra - inicio), Procura::CAMINHO) + "/";
    inicio = barra + 1;
  }
}

std::string no_programa(const std::string& nome) { return de_utf8(no_disco(nome)); }

NomeAmbiguo::NomeAmbiguo(const std::string& nome, const std::vector<std::string>& entradas, Procura procura)
    : ErroFicheiro(nome, 0, ambiguo(nome, entradas, procura, false)), aviso(ambiguo(nome, entradas, procura, true)) {}
