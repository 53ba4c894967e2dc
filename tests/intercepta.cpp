// Loaded with LD_PRELOAD by the tests of the data folder's safety. It sees the program's calls that create,
// write, flush, rename, remove and lock files (openat, write to a regular file, which is the note's or a
// screens file's, fsync, renameat, unlinkat, flock), counts them from 1, and does what the environment asks:
//   INTERCEPTA_TRACO=FILE    appends "N CALL NAMES" for each call (the names it is given, or its file's name);
//   INTERCEPTA_PARA=N        at call N, creates the file INTERCEPTA_MARCA and waits there, at most 30 s, for
//                            the test to kill the process or to create the file INTERCEPTA_SOLTA;
//   INTERCEPTA_MORTE=N       at call N, the process kills itself (SIGKILL) before the call is made;
//   INTERCEPTA_FALHA="CALL ERRNO [TEXT]"  every call CALL (of a name that holds TEXT) fails with that errno;
//   INTERCEPTA_CHEIO=TEXT    a file opened under a name that holds TEXT writes to /dev/full: every write to it
//                            fails with ENOSPC as on a full disk, the stdio buffer's too, which this cannot see.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

template <class F>
F original(const char* nome) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, nome));
}

const auto escreve_original = original<ssize_t (*)(int, const void*, size_t)>("write");

const char* ambiente(const char* nome) {
  const char* v = std::getenv(nome);
  return v && *v ? v : nullptr;
}

// The name of an open file: the last part of its path.
std::string nome_de(int fd) {
  char caminho[4096];
  const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), caminho, sizeof caminho - 1);
  if (n <= 0) return "?";
  const std::string c(caminho, n);
  return c.substr(c.rfind('/') + 1);
}

int erro_de(const std::string& nome) {
  const struct {
    const char* nome;
    int erro;
  } erros[] = {{"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EACCES", EACCES},
               {"EPERM", EPERM},   {"EROFS", EROFS},   {"EIO", EIO}};
  for (const auto& e : erros)
    if (nome == e.nome) return e.erro;
  return EIO;
}

// Call number N, of chamada on names: traced, paused or ended there as asked. Returns the errno that the
// call must fail with, or 0 to make it.
int passo(const char* chamada, const std::string& nomes) {
  static int n = 0;
  ++n;
  if (const char* traco = ambiente("INTERCEPTA_TRACO")) {
    const int fd = open(traco, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const std::string linha = std::to_string(n) + " " + chamada + " " + nomes + "\n";
    escreve_original(fd, linha.data(), linha.size());
    close(fd);
  }
  const char *para = ambiente("INTERCEPTA_PARA"), *marca = ambiente("INTERCEPTA_MARCA");
  if (para && marca && n == std::atoi(para)) {
    close(open(marca, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    const char* solta = ambiente("INTERCEPTA_SOLTA");
    for (int i = 0; i < 300 && !(solta && access(solta, F_OK) == 0); ++i) usleep(100000);
  }
  if (const char* morte = ambiente("INTERCEPTA_MORTE"))
    if (n == std::atoi(morte)) kill(getpid(), SIGKILL);
  if (const char* falha = ambiente("INTERCEPTA_FALHA")) {
    const std::string f = falha;
    const size_t a = f.find(' '), b = f.find(' ', a + 1);
    const std::string texto = b == std::string::npos ? "" : f.substr(b + 1);
    if (f.substr(0, a) == chamada && nomes.find(texto) != std::string::npos) return erro_de(f.substr(a + 1, b - a - 1));
  }
  return 0;
}

bool falha(int erro) {
  errno = erro;
  return erro != 0;
}

}  // namespace

extern "C" int openat(int pasta, const char* nome, int modo, ...) {
  static const auto feito = original<int (*)(int, const char*, int, ...)>("openat");
  mode_t permissoes = 0;
  if (modo & (O_CREAT | O_TMPFILE)) {
    va_list a;
    va_start(a, modo);
    permissoes = va_arg(a, mode_t);
    va_end(a);
  }
  if (falha(passo("openat", nome))) return -1;
  const int fd = feito(pasta, nome, modo, permissoes);
  const char* cheio = ambiente("INTERCEPTA_CHEIO");
  if (fd >= 0 && cheio && std::strstr(nome, cheio)) {
    const int cheio_fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
    dup2(cheio_fd, fd);
    close(cheio_fd);
  }
  return fd;
}

extern "C" ssize_t write(int fd, const void* bytes, size_t n) {
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && falha(passo("write", nome_de(fd)))) return -1;
  return escreve_original(fd, bytes, n);
}

extern "C" int fsync(int fd) {
  static const auto feito = original<int (*)(int)>("fsync");
  return falha(passo("fsync", nome_de(fd))) ? -1 : feito(fd);
}

extern "C" int renameat(int de, const char* antigo, int para, const char* novo) {
  static const auto feito = original<int (*)(int, const char*, int, const char*)>("renameat");
  return falha(passo("renameat", std::string(antigo) + " " + novo)) ? -1 : feito(de, antigo, para, novo);
}

extern "C" int unlinkat(int pasta, const char* nome, int modo) {
  static const auto feito = original<int (*)(int, const char*, int)>("unlinkat");
  return falha(passo("unlinkat", nome)) ? -1 : feito(pasta, nome, modo);
}

extern "C" int flock(int fd, int operacao) {
  static const auto feito = original<int (*)(int, int)>("flock");
  return falha(passo("flock", nome_de(fd))) ? -1 : feito(fd, operacao);
}
