// Loaded with LD_PRELOAD by the kill tests: the Nth call of renameat() (N in PAUSA_RENAME) creates the file
// named in PAUSA_MARCA and waits there, at most 30 s: for the test to kill the process, or, when PAUSA_SOLTA
// names a file, until that file exists, and then it renames.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

extern "C" int renameat(int de, const char* antigo, int para, const char* novo) {
  using Renameat = int (*)(int, const char*, int, const char*);
  static const Renameat original = reinterpret_cast<Renameat>(dlsym(RTLD_NEXT, "renameat"));
  static int chamadas = 0;
  const char *n = std::getenv("PAUSA_RENAME"), *marca = std::getenv("PAUSA_MARCA"), *solta = std::getenv("PAUSA_SOLTA");
  if (n && marca && ++chamadas == std::atoi(n)) {
    close(open(marca, O_WRONLY | O_CREAT, 0644));
    for (int i = 0; i < 300 && !(solta && access(solta, F_OK) == 0); ++i) usleep(100000);
  }
  return original(de, antigo, para, novo);
}
