#include "diretorias.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "cp1252.h"
#include "texto.h"

namespace {

// What stands at a name given in UTF-8 (its stat mode); 0 when nothing does.
mode_t modo(const std::string& nome_utf8) {
  struct stat st;
  return stat(nome_utf8.c_str(), &st) == 0 ? st.st_mode : 0;
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
  std::string c = apara(caminho);
  return !c.empty() && chdir(para_utf8(c).c_str()) == 0;
}

bool existe(const std::string& nome) { return S_ISREG(modo(para_utf8(nome))); }

bool existe_pasta(const std::string& nome) { return S_ISDIR(modo(para_utf8(nome))); }

std::vector<std::string> lista(const std::string& padrao) {
  std::vector<std::string> nomes;
  DIR* d = opendir(".");
  if (!d) return nomes;
  std::string p = para_utf8(padrao);
  while (dirent* e = readdir(d))
    if (fnmatch(p.c_str(), e->d_name, FNM_PERIOD) == 0 && S_ISREG(modo(e->d_name)))
      nomes.push_back(de_utf8(e->d_name));
  closedir(d);
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}
