#include "diretorias.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "cp1252.h"
#include "nomes_disco.h"
#include "texto.h"

namespace {

// What stands at a name on disk (its stat mode); 0 when nothing does.
mode_t modo(const std::string& disco) {
  struct stat st;
  return stat(disco.c_str(), &st) == 0 ? st.st_mode : 0;
}

// Whether texto, from position t on, matches padrao from position p on: "*" any run of characters, "?" one.
bool corresponde(const std::string& texto, size_t t, const std::string& padrao, size_t p) {
  if (p == padrao.size()) return t == texto.size();
  if (padrao[p] == '*')
    return corresponde(texto, t, padrao, p + 1) || (t < texto.size() && corresponde(texto, t + 1, padrao, p));
  return t < texto.size() && (padrao[p] == '?' || padrao[p] == texto[t]) && corresponde(texto, t + 1, padrao, p + 1);
}

}  // namespace

bool diretoria_corrente(std::string& caminho) {
  // No buffer of ours: a folder may lie deeper than PATH_MAX.
  std::unique_ptr<char, decltype(&std::free)> c(getcwd(nullptr, 0), &std::free);
  if (!c) return false;
  caminho = de_utf8(c.get());
  return true;
}

bool muda_diretoria(const std::string& caminho) {
  const std::string c = apara(caminho);
  if (c.empty()) {
    errno = ENOENT;  // as chdir says of an empty path
    return false;
  }
  return chdir(pasta_no_disco(c).c_str()) == 0;
}

bool existe(const std::string& nome) { return S_ISREG(modo(no_disco(nome))); }

bool existe_pasta(const std::string& nome) { return S_ISDIR(modo(no_disco(nome))); }

std::vector<std::string> lista(const std::string& padrao) {
  std::vector<std::string> nomes;
  const std::string p = sem_caixa(padrao);
  for (const std::string& e : entradas_disco()) {
    std::string nome = de_utf8(e);
    if (nome[0] != '.' && corresponde(sem_caixa(nome), 0, p, 0) && S_ISREG(modo(e))) nomes.push_back(nome);
  }
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}
