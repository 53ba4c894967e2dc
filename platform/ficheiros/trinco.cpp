#include "trinco.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
// An exclusive lock of the open file, waiting for it unless nao_espera; false when it is not taken.
bool fecha_trinco(int fd, bool nao_espera) {
  int r;
  while ((r = flock(fd, LOCK_EX | (nao_espera ? LOCK_NB : 0))) != 0 && errno == EINTR) {
  }
  return r == 0;
}
}  // namespace

// A descriptor of its own: the lock belongs to an open file, and the program's other descriptors of the
// folder must not share it.
TrincoPasta::TrincoPasta(int pasta) : fd_(openat(pasta, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ >= 0) fecha_trinco(fd_, false);
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
