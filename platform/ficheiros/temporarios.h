// The temporary files being written: their names, which bear the program's mark, and a note of them in fixed
// storage where a signal handler can remove them: a program ended by a signal of SINAIS_DE_FIM leaves none.
#pragma once
#include <signal.h>

#include <string>

// The temporary file of entry destino of a folder: a hidden name in the same folder with the program's mark
// and a draw of its own, ".DESTINO.paludex-XXXXXX.tmp" (XXXXXX six letters or digits).
std::string nome_temporario(const std::string& destino, const std::string& sorteio);
// Whether an entry's name bears that mark; destino is then the entry it is the temporary file of.
bool e_temporario(const std::string& nome, std::string& destino);
// Creates a temporary file of entry destino in folder pasta (a descriptor that stays open meanwhile), under
// a name that no entry has, and notes it (nota); returns its descriptor, open for writing, and its name.
// -1 when it cannot be created, errno EMFILE when the table of notes is full.
int cria_temporario(int pasta, const std::string& destino, std::string& nome, int& nota);

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
