#include "renomeacao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "temporarios.h"

namespace {

// What stands at the note's name.
enum class Nota { NENHUMA, DO_PROGRAMA, ALHEIA };

bool existe_entrada(int pasta, const std::string& nome) {
  struct stat st;
  return fstatat(pasta, nome.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool le_tudo(int fd, std::string& bytes) {
  char b[4096];
  for (;;) {
    const ssize_t n = read(fd, b, sizeof b);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || bytes.size() + n > MAXIMO_NOTA) return false;
    if (n == 0) return true;
    bytes.append(b, n);
  }
}

// The note in the folder, read only when it is a regular file of a note's size: never through a link,
// nor waiting on what is not a file. Anything else at its name is left alone.
Nota le(int pasta, std::vector<Renomeacao>& pares) {
  const int fd = openat(pasta, NOME_NOTA.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? Nota::NENHUMA : Nota::ALHEIA;
  struct stat st;
  std::string bytes;
  const bool lida = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) <= MAXIMO_NOTA &&
                    le_tudo(fd, bytes);
  close(fd);
  return lida && le_nota(bytes, pares) ? Nota::DO_PROGRAMA : Nota::ALHEIA;
}

bool escreve_tudo(int fd, const std::string& bytes) {
  for (size_t feito = 0; feito < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + feito, bytes.size() - feito);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;  // nothing written, and the system says no more
    if (n <= 0) return false;
    feito += n;
  }
  return true;
}

// Puts the note of pares in place, written whole (to a temporary file of its own, flushed to disk, renamed
// over the note) and flushed to disk with its folder. 0, or the errno of the call that failed.
int escreve(int pasta, const std::vector<Renomeacao>& pares) {
  std::string temporario;
  int nota = 0;
  const int fd = cria_temporario(pasta, NOME_NOTA, temporario, nota);
  if (fd < 0) return errno;
  int erro = escreve_tudo(fd, forma_nota(pares)) && fsync(fd) == 0 ? 0 : errno;
  if (close(fd) != 0 && erro == 0) erro = errno;
  if (erro == 0 && renameat(pasta, temporario.c_str(), pasta, NOME_NOTA.c_str()) != 0) erro = errno;
  if (erro != 0) unlinkat(pasta, temporario.c_str(), 0);
  esquece_temporario(nota);
  fsync(pasta);
  return erro;
}

void apaga(int pasta) {
  unlinkat(pasta, NOME_NOTA.c_str(), 0);
  fsync(pasta);
}

bool substitui(const std::vector<Renomeacao>& pares, const std::string& destino) {
  return std::any_of(pares.begin(), pares.end(), [&](const Renomeacao& r) { return r.destino == destino; });
}

bool renomeia(int pasta, Renomeacao& r) {
  r.feita = renameat(pasta, r.temporario.c_str(), pasta, r.destino.c_str()) == 0;
  r.erro = r.feita ? 0 : errno;
  return r.feita;
}

}  // namespace

std::vector<Renomeacao> poe_no_lugar(int pasta, std::vector<Renomeacao>& pares) {
  std::vector<Renomeacao> antigas, pendentes, substituidas;
  const Nota nota = le(pasta, antigas);
  // A temporary file that is gone was renamed before its writer died.
  for (const Renomeacao& r : antigas)
    if (existe_entrada(pasta, r.temporario)) (substitui(pares, r.destino) ? substituidas : pendentes).push_back(r);
  // Without a note of its own, a set that replaces a file of the dead writer's note would leave that note
  // listing the older file, to be put back over the newer one by the next opening.
  const bool anota = pares.size() > 1 || !substituidas.empty();
  if (anota) {
    std::vector<Renomeacao> todas = pendentes;
    todas.insert(todas.end(), pares.begin(), pares.end());
    const int erro = nota == Nota::ALHEIA ? NOTA_ALHEIA : escreve(pasta, todas);
    if (erro != 0) {
      for (Renomeacao& r : pares) r.erro = erro;
      return pendentes;
    }
  }
  bool renomeou = false;
  for (std::vector<Renomeacao>* v : {&pendentes, &pares})
    for (Renomeacao& r : *v) renomeou = renomeia(pasta, r) || renomeou;
  if (renomeou) fsync(pasta);
  for (const Renomeacao& r : substituidas) unlinkat(pasta, r.temporario.c_str(), 0);
  std::vector<Renomeacao> restantes;
  for (const Renomeacao& r : pendentes)
    if (!r.feita) restantes.push_back(r);
  if (restantes.empty() && (nota == Nota::DO_PROGRAMA || anota))
    apaga(pasta);
  else if (!restantes.empty() && (anota || restantes.size() != antigas.size()))
    escreve(pasta, restantes);
  return restantes;
}
