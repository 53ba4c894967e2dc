// The temporary files being written: their names, which tell whose they are, and a note of them in fixed
// storage where a signal handler can remove them: a program ended by a signal of SINAIS_DE_FIM leaves none.
#pragma once
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <string>

// The temporary file of a file being written: a hidden name in the same folder that holds the writer's
// process id, ".NAME.PID.tmp" (a name on disk, kept as given); by default the writer is this process.
std::string nome_temporario(const std::string& destino, pid_t pid = getpid());
// Whether a name of a folder's entry is such a temporary file, and its writer's id.
bool pid_de_temporario(const std::string& nome, pid_t& pid);
// The process id that a text of digits alone gives (1 and above); false for any other text.
bool le_pid(const std::string& texto, pid_t& pid);
// Whether the process of that id runs; the program itself counts as gone, as it calls this only while it
// writes no file (an entry of its id is left by an earlier process of the same id).
bool vivo(pid_t pid);

// Notes a temporary file (a name relative to the current directory, or a whole path) before it is
// created; returns the note's number, or 0 when the table is full or the path too long for it.
int nota_temporario(const std::string& nome);
// Forgets the note once its file is renamed or removed (0: nothing to forget).
void esquece_temporario(int nota);
// Removes every noted file; async-signal-safe.
void apaga_temporarios();

// The signals that end the program: Ctrl-C, Ctrl-\, kill and the terminal closed.
inline constexpr int SINAIS_DE_FIM[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};
// The signals of SINAIS_DE_FIM go to trata, which must call apaga_temporarios.
void trata_sinais_de_fim(void (*trata)(int));
// The handler where nothing else needs restoring: the temporary files removed, exit status 128 + sinal.
extern "C" void sai_sem_temporarios(int sinal);

// While it lives, the signals of SINAIS_DE_FIM wait: what it guards is done whole or not begun.
class SinaisRetidos {
 public:
  SinaisRetidos();
  ~SinaisRetidos();
  SinaisRetidos(const SinaisRetidos&) = delete;
  SinaisRetidos& operator=(const SinaisRetidos&) = delete;

 private:
  sigset_t antes_;
};
