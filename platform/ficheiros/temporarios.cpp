#include "temporarios.h"

#include <fcntl.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

const int NOTAS = 8;  // a calculation writes three files at once, a dialogue one
const std::string MARCA = ".paludex-", FIM = ".tmp";
const size_t SORTEIO = 6;
const char LETRAS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// A note is taken only once its name is whole, so the handler never reads half a name.
struct Nota {
  volatile sig_atomic_t tomada = 0;
  int pasta = -1;
  char nome[NAME_MAX + 1];
};
Nota notas[NOTAS + 1];

sigset_t sinais_de_fim() {
  sigset_t s;
  sigemptyset(&s);
  for (int sinal : SINAIS_DE_FIM) sigaddset(&s, sinal);
  return s;
}

bool letra(char c) { return c != '\0' && std::strchr(LETRAS, c) != nullptr; }

// Six letters or digits at random; where the system has no random bytes yet, the clock and a count (a
// name that is taken is drawn again).
std::string sorteia() {
  static unsigned long conta = 0;
  unsigned char b[SORTEIO];
  if (getrandom(b, sizeof b, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof b)) {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    unsigned long v = static_cast<unsigned long>(t.tv_nsec) + 1000000007UL * ++conta;
    for (unsigned char& c : b) {
      c = static_cast<unsigned char>(v % (sizeof LETRAS - 1));
      v /= sizeof LETRAS - 1;
    }
  }
  std::string s;
  for (unsigned char c : b) s += LETRAS[c % (sizeof LETRAS - 1)];
  return s;
}

// A note of an entry of folder pasta; 0 when the table is full.
int nota_temporario(int pasta, const std::string& nome) {
  for (int n = 1; n <= NOTAS; ++n) {
    if (notas[n].tomada) continue;
    notas[n].pasta = pasta;
    std::memcpy(notas[n].nome, nome.c_str(), nome.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    notas[n].tomada = 1;
    return n;
  }
  return 0;
}

}  // namespace

std::string nome_temporario(const std::string& destino, const std::string& sorteio) {
  return "." + destino + MARCA + sorteio + FIM;
}

bool e_temporario(const std::string& nome, std::string& destino) {
  const size_t resto = MARCA.size() + SORTEIO + FIM.size();
  if (nome.size() < 2 + resto || nome[0] != '.') return false;
  const size_t marca = nome.size() - resto;
  if (nome.compare(marca, MARCA.size(), MARCA) != 0 || nome.compare(nome.size() - FIM.size(), FIM.size(), FIM) != 0)
    return false;
  for (size_t i = marca + MARCA.size(); i < nome.size() - FIM.size(); ++i)
    if (!letra(nome[i])) return false;
  destino = nome.substr(1, marca - 1);
  return true;
}

int cria_temporario(int pasta, const std::string& destino, std::string& nome, int& nota) {
  // Made and noted with the signals held: a signal finds it noted, or not made; a name taken by another
  // file is never noted.
  SinaisRetidos retidos;
  nota = 0;
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    nome = nome_temporario(destino, sorteia());
    if (nome.size() > NAME_MAX) {
      errno = ENAMETOOLONG;
      return -1;
    }
    const int fd = openat(pasta, nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0 || (nota = nota_temporario(pasta, nome)) != 0) return fd;
    close(fd);
    unlinkat(pasta, nome.c_str(), 0);
    errno = EMFILE;
    return -1;
  }
  return -1;
}

void esquece_temporario(int nota) {
  if (nota > 0) notas[nota].tomada = 0;
}

void apaga_temporarios() {
  for (int n = 1; n <= NOTAS; ++n)
    if (notas[n].tomada) unlinkat(notas[n].pasta, notas[n].nome, 0);
}

void trata_sinais_de_fim(void (*trata)(int)) {
  struct sigaction sa {};
  sa.sa_handler = trata;
  sa.sa_mask = sinais_de_fim();
  for (int sinal : SINAIS_DE_FIM) sigaction(sinal, &sa, nullptr);
}

extern "C" void sai_sem_temporarios(int sinal) {
  apaga_temporarios();
  _exit(128 + sinal);
}

SinaisRetidos::SinaisRetidos() {
  sigset_t s = sinais_de_fim();
  sigprocmask(SIG_BLOCK, &s, &antes_);
}

SinaisRetidos::~SinaisRetidos() { sigprocmask(SIG_SETMASK, &antes_, nullptr); }
