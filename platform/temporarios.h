// The temporary files being written, noted in fixed storage where a signal handler can remove them: a
// program ended by SIGINT, SIGTERM or SIGHUP leaves none behind.
#pragma once
#include <signal.h>

#include <string>

// Notes a temporary file (a name relative to the current directory, or a whole path) before it is
// created; returns the note's number, or 0 when the table is full or the path too long for it.
int nota_temporario(const std::string& nome);
// Forgets the note once its file is renamed or removed (0: nothing to forget).
void esquece_temporario(int nota);
// Removes every noted file; async-signal-safe.
void apaga_temporarios();

// SIGINT, SIGTERM and SIGHUP go to trata, which must call apaga_temporarios.
void trata_sinais_de_fim(void (*trata)(int));
// The handler where nothing else needs restoring: the temporary files removed, exit status 128 + sinal.
extern "C" void sai_sem_temporarios(int sinal);

// While it lives, SIGINT, SIGTERM and SIGHUP wait: what it guards is done whole or not begun.
class SinaisRetidos {
 public:
  SinaisRetidos();
  ~SinaisRetidos();
  SinaisRetidos(const SinaisRetidos&) = delete;
  SinaisRetidos& operator=(const SinaisRetidos&) = delete;

 private:
  sigset_t antes_;
};
