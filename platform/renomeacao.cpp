#include "renomeacao.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

#include "erro.h"
#include "nomes_disco.h"
#include "temporarios.h"
#include "texto.h"

namespace {

// The note of process PID is ".paludex_renomeia.PID"; written, it is ".paludex_renomeia.PID.tmp".
const std::string NOTA = "paludex_renomeia", PREFIXO = "." + NOTA + ".";
const std::string CABECALHO = "paludex renomeia\n";

std::string nome_nota(pid_t pid) { return PREFIXO + std::to_string(pid); }

// Flushes a folder's entries to disk. One that cannot be flushed is left so: its renames are done.
void sincroniza_pasta(const std::string& pasta) {
  int fd = open(pasta.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

std::string pasta_de(const std::string& nome) {
  const size_t barra = nome.rfind('/');
  return barra == std::string::npos ? "." : barra == 0 ? "/" : nome.substr(0, barra);
}

// Every rename that can be done, then the folders flushed.
void renomeia(std::vector<Renomeacao>& pares) {
  std::set<std::string> pastas;
  for (Renomeacao& r : pares) {
    r.feita = std::rename(r.temporario.c_str(), r.destino.c_str()) == 0;
    pastas.insert(pasta_de(r.destino));
  }
  for (const std::string& p : pastas) sincroniza_pasta(p);
}

bool todas_feitas(const std::vector<Renomeacao>& pares) {
  return std::all_of(pares.begin(), pares.end(), [](const Renomeacao& r) { return r.feita; });
}

void apaga_nota(const std::string& nota) {
  unlink(nota.c_str());
  sincroniza_pasta(".");
}

bool escreve_tudo(int fd, const std::string& bytes) {
  for (size_t feito = 0; feito < bytes.size();) {
    ssize_t n = write(fd, bytes.data() + feito, bytes.size() - feito);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    feito += n;
  }
  return true;
}

// Puts the note of a set in place, flushed to disk with its folder, and returns its name.
std::string escreve_nota(const std::vector<Renomeacao>& pares) {
  std::string conteudo = CABECALHO;
  for (const Renomeacao& r : pares) conteudo += r.temporario + '\0' + r.destino + '\0';
  const std::string temporario = nome_temporario(NOTA), nota = nome_nota(getpid());
  const int marca = nota_temporario(temporario);
  const int fd = open(temporario.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  bool bem = fd >= 0 && escreve_tudo(fd, conteudo) && fsync(fd) == 0;
  if (fd >= 0 && close(fd) != 0) bem = false;
  bem = bem && std::rename(temporario.c_str(), nota.c_str()) == 0;
  if (!bem) unlink(temporario.c_str());
  esquece_temporario(marca);
  if (!bem) throw ErroFicheiro(nota, 0, "não foi possível escrever o ficheiro"_w);
  sincroniza_pasta(".");
  return nota;
}

// The renames of a note of process pid; false when it is not such a note. Each must be one that process
// makes: a name in this folder and its temporary ".NAME.PID.tmp".
bool le_nota(const std::string& conteudo, pid_t pid, std::vector<Renomeacao>& pares) {
  if (conteudo.compare(0, CABECALHO.size(), CABECALHO) != 0) return false;
  std::vector<std::string> nomes;
  for (size_t p = CABECALHO.size(); p < conteudo.size();) {
    const size_t fim = conteudo.find('\0', p);
    if (fim == std::string::npos) return false;
    nomes.push_back(conteudo.substr(p, fim - p));
    p = fim + 1;
  }
  if (nomes.size() % 2 != 0) return false;
  for (size_t i = 0; i < nomes.size(); i += 2) {
    const std::string& destino = nomes[i + 1];
    if (destino.empty() || destino == "." || destino == ".." || destino.find('/') != std::string::npos ||
        nomes[i] != nome_temporario(destino, pid))
      return false;
    pares.push_back({nomes[i], destino});
  }
  return true;
}

bool le_tudo(const std::string& nome, std::string& conteudo) {
  std::ifstream f(nome, std::ios::binary);
  if (!f) return false;
  conteudo.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return !f.bad();
}

// Finishes the note of a process that no longer runs. When it cannot be finished now, the process goes
// into guardados, so that its temporaries stay for the next opening.
void conclui_nota(pid_t pid, std::set<pid_t>& guardados) {
  const std::string nota = nome_nota(pid);
  std::string conteudo;
  if (!le_tudo(nota, conteudo)) {
    guardados.insert(pid);
    return;
  }
  std::vector<Renomeacao> pares;
  if (le_nota(conteudo, pid, pares)) {
    // A temporary that is gone was renamed before the process stopped.
    pares.erase(std::remove_if(pares.begin(), pares.end(),
                               [](const Renomeacao& r) { return access(r.temporario.c_str(), F_OK) != 0; }),
                pares.end());
    renomeia(pares);
    if (!todas_feitas(pares)) {
      guardados.insert(pid);
      return;
    }
  }
  apaga_nota(nota);
}

}  // namespace

void renomeia_juntos(std::vector<Renomeacao>& pares) {
  if (pares.size() < 2) {
    renomeia(pares);
    return;
  }
  const std::string nota = escreve_nota(pares);
  renomeia(pares);
  apaga_nota(nota);
}

void arruma_pasta() {
  std::set<pid_t> guardados;
  pid_t pid;
  for (const std::string& e : entradas_disco())
    if (e.compare(0, PREFIXO.size(), PREFIXO) == 0 && le_pid(e.substr(PREFIXO.size()), pid) && !vivo(pid))
      conclui_nota(pid, guardados);
  for (const std::string& e : entradas_disco())
    if (pid_de_temporario(e, pid) && !vivo(pid) && guardados.count(pid) == 0) unlink(e.c_str());
}
