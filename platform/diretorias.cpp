#include "diretorias.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "cp1252.h"
#include "texto.h"

bool diretoria_corrente(std::string& caminho) {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return false;
  caminho = de_utf8(buf);
  return true;
}

bool muda_diretoria(const std::string& caminho) {
  std::string c = apara(caminho);
  return !c.empty() && chdir(para_utf8(c).c_str()) == 0;
}

bool existe(const std::string& nome) {
  struct stat st;
  return stat(para_utf8(nome).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> lista(const std::string& padrao) {
  std::vector<std::string> nomes;
  DIR* d = opendir(".");
  if (!d) return nomes;
  std::string p = para_utf8(padrao);
  while (dirent* e = readdir(d))
    if (fnmatch(p.c_str(), e->d_name, FNM_PERIOD) == 0) nomes.push_back(de_utf8(e->d_name));
  closedir(d);
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}
