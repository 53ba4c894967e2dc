#include "nomes_dados.h"

#include <sys/stat.h>

#include <algorithm>

#include "cp1252.h"
#include "nomes_disco.h"
#include "texto.h"

const std::string TIPO_CUL = "CUL", TIPO_FRT = "FRT", TIPO_PRE = "pre", TIPO_ET0 = "ET0", TIPO_NRG = "NRG",
                  TIPO_BAL = "BAL", TIPO_FRQ = "frq";

namespace {
const std::string TXT = ".txt";

// "a, b e c".
std::string enumera(const std::vector<std::string>& nomes) {
  std::string r;
  for (size_t i = 0; i < nomes.size(); ++i) r += (i == 0 ? "" : i + 1 == nomes.size() ? " e " : ", ") + nomes[i];
  return r;
}

// The entries as the program reads them, in order.
std::vector<std::string> lidas(const std::vector<std::string>& entradas) {
  std::vector<std::string> r;
  for (const std::string& e : entradas) r.push_back(de_utf8(e));
  std::sort(r.begin(), r.end());
  return r;
}
}  // namespace

std::string nome_dados(const std::string& CODIGO, const std::string& tipo) { return apara(CODIGO) + "_" + tipo + TXT; }

std::string padrao_dados(const std::string& tipo) { return "*" + tipo + TXT; }

std::string entrada_dados(const std::string& nome) {
  const std::string utf8 = para_utf8(nome);
  struct stat st;
  if (nome.empty() || lstat(utf8.c_str(), &st) == 0) return utf8;
  // The steps after the exact name, in order: the same letters, the same code, the same name in any case.
  std::vector<std::string> passos[3];
  const std::string caixa = sem_caixa(nome);
  const size_t codigo = nome.size() >= SUFIXO_DADOS ? nome.size() - SUFIXO_DADOS : 0;
  for (const std::string& e : entradas_disco()) {
    const std::string lido = de_utf8(e);
    if (lido == nome)
      passos[0].push_back(e);
    else if (sem_caixa(lido) == caixa)
      passos[lido.compare(0, codigo, nome, 0, codigo) == 0 ? 1 : 2].push_back(e);
  }
  for (const std::vector<std::string>& p : passos) {
    if (p.size() == 1) return p.front();
    if (p.size() > 1) throw NomeAmbiguo(nome, p);
  }
  return utf8;
}

NomeAmbiguo::NomeAmbiguo(const std::string& nome, const std::vector<std::string>& entradas)
    : ErroFicheiro(nome, 0,
                   "há mais de um ficheiro com este nome, "_w + enumera(lidas(entradas)) + ": mude o nome de um deles"),
      aviso("Há mais de um ficheiro com o nome "_w + nome + ": " + enumera(lidas(entradas)) +
            ". Mude o nome de um deles.") {}
