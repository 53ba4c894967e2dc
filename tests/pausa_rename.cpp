// Loaded with LD_PRELOAD by the kill test: the Nth call of rename() (N in PAUSA_RENAME) creates the file
// named in PAUSA_MARCA and waits there, at most 30 s, for the test to kill the process.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

extern "C" int rename(const char* antigo, const char* novo) {
  using Rename = int (*)(const char*, const char*);
  static const Rename original = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  static int chamadas = 0;
  const char *n = std::getenv("PAUSA_RENAME"), *marca = std::getenv("PAUSA_MARCA");
  if (n && marca && ++chamadas == std::atoi(n)) {
    close(open(marca, O_WRONLY | O_CREAT, 0644));
    for (int i = 0; i < 300; ++i) usleep(100000);
  }
  return original(antigo, novo);
}
