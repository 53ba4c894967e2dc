#include "temporarios.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

const int NOTAS = 8;           // a calculation writes three files at once, a dialogue one
const size_t CAMINHO = 4096;

// A note is taken only once its path is whole, so the handler never reads half a path.
struct Nota {
  volatile sig_atomic_t tomada = 0;
  char caminho[CAMINHO];
};
Nota notas[NOTAS + 1];

sigset_t sinais_de_fim() {
  sigset_t s;
  sigemptyset(&s);
  for (int sinal : SINAIS_DE_FIM) sigaddset(&s, sinal);
  return s;
}

}  // namespace

int nota_temporario(const std::string& nome) {
  std::string caminho = nome;
  if (nome.empty() || nome[0] != '/') {
    char pasta[CAMINHO];
    if (!getcwd(pasta, sizeof pasta)) return 0;
    caminho = std::string(pasta) + "/" + nome;
  }
  if (caminho.size() >= CAMINHO) return 0;
  for (int n = 1; n <= NOTAS; ++n) {
    if (notas[n].tomada) continue;
    std::memcpy(notas[n].caminho, caminho.c_str(), caminho.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    notas[n].tomada = 1;
    return n;
  }
  return 0;
}

void esquece_temporario(int nota) {
  if (nota > 0) notas[nota].tomada = 0;
}

void apaga_temporarios() {
  for (int n = 1; n <= NOTAS; ++n)
    if (notas[n].tomada) unlink(notas[n].caminho);
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

std::string nome_temporario(const std::string& destino, pid_t pid) {
  const size_t barra = destino.rfind('/') + 1;  // 0 when there is none
  return destino.substr(0, barra) + "." + destino.substr(barra) + "." + std::to_string(pid) + ".tmp";
}

bool le_pid(const std::string& texto, pid_t& pid) {
  if (texto.empty() || texto.size() > 9 || texto.find_first_not_of("0123456789") != std::string::npos) return false;
  pid = static_cast<pid_t>(std::stol(texto));
  return pid > 0;
}

bool pid_de_temporario(const std::string& nome, pid_t& pid) {
  const std::string FIM = ".tmp";
  if (nome.size() < 1 + FIM.size() || nome[0] != '.' || nome.compare(nome.size() - FIM.size(), FIM.size(), FIM) != 0)
    return false;
  const std::string resto = nome.substr(1, nome.size() - 1 - FIM.size());  // NAME.PID
  const size_t ponto = resto.rfind('.');
  return ponto != std::string::npos && ponto > 0 && le_pid(resto.substr(ponto + 1), pid);
}

bool vivo(pid_t pid) { return pid != getpid() && (kill(pid, 0) == 0 || errno == EPERM); }
