#include "trinco.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {
void (*aviso_espera)(bool) = nullptr;

// An exclusive lock of the open file, waiting for it unless nao_espera; false when it is not taken.
bool fecha_trinco(int fd, bool nao_espera) {
  int r;
  while ((r = flock(fd, LOCK_EX | (nao_espera ? LOCK_NB : 0))) != 0 && errno == EINTR) {
  }
  return r == 0;
}
}  // namespace

// A descriptor of its own: the lock belongs to an open file, and the program's other descriptors of the
// folder must not share it. Tried every 10 ms for a second, then waited for.
TrincoPasta::TrincoPasta(int pasta) : fd_(openat(pasta, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ < 0) return;
  const timespec PASSO{0, 10 * 1000 * 1000};
  for (int i = 0; i < 100; ++i) {
    if (fecha_trinco(fd_, true) || errno != EWOULDBLOCK) return;
    nanosleep(&PASSO, nullptr);
  }
  if (aviso_espera) aviso_espera(true);
  fecha_trinco(fd_, false);
  if (aviso_espera) aviso_espera(false);
}

TrincoPasta::~TrincoPasta() {
  if (fd_ >= 0) close(fd_);
}

void tranca(int fd) { fecha_trinco(fd, false); }

bool abandonado(int pasta, const char* nome) {
  const int fd = openat(pasta, nome, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  const bool livre = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && fecha_trinco(fd, true);
  close(fd);
  return livre;
}

void avisa_espera(void (*aviso)(bool esperando)) { aviso_espera = aviso; }
