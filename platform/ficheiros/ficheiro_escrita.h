// Text files written with CR LF line ends, replaced whole or not at all.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "erro.h"

// A file that could not be written or put in place, with the reason the system gave. intactos when no file
// of its set was put in place: what stands at their names is as it was.
class ErroGravacao : public ErroFicheiro {
 public:
  ErroGravacao(const std::string& ficheiro, const std::string& problema, int erro, bool intactos)
      : ErroFicheiro(ficheiro, 0, problema, erro), intactos(intactos) {}
  bool intactos;
};

// A text file written anew: records go to a hidden temporary file in the same folder, renamed over the
// file once closed, checked and flushed to disk; a file never put in place is removed, and the old one
// stays as it was. The temporary file bears the program's mark and is locked while it is written, so that
// no other instance takes it for the leftover of a run that died; it is noted, so that a signal that ends
// the program removes it too. The file replaced is the one that no_disco finds under the name (in the data
// folder, one whose name differs in letter case), its name kept; a new file bears the name as given.
class FicheiroEscrita {
 public:
  // Throws ErroGravacao when the temporary file cannot be created (or noted), and NomeAmbiguo when two
  // files answer to the name.
  explicit FicheiroEscrita(const std::string& nome);
  ~FicheiroEscrita();
  FicheiroEscrita(const FicheiroEscrita&) = delete;
  FicheiroEscrita& operator=(const FicheiroEscrita&) = delete;
  void registo(const std::string& texto);
  // Puts this file alone in place, as conclui_juntos does.
  void conclui();
  // The file's name as it stands on disk (Windows-1252), as screens and messages name it.
  const std::string& nome() const { return nome_; }

 private:
  friend void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros);
  // Closes the temporary file, flushed to disk, and checks that it was written whole and that it can
  // replace what stands at the name (a folder cannot be replaced); throws ErroGravacao otherwise.
  void fecha();
  std::string nome_, destino_, temporario_;  // the two last ones: entries of the folder, on disk
  int pasta_ = -1;                           // the folder, open for the file's life
  int nota_ = 0;
  int erro_ = 0;  // the errno of the first write that failed
  std::FILE* f_ = nullptr;
  bool concluido_ = false;
};

// Puts files of one folder in place as one set: under the folder's lock, every one is closed, checked and
// flushed to disk before any is renamed, then they are renamed one right after another while the signals
// that end the program wait, under a note that lets the next opening of the folder finish a set cut by
// SIGKILL or a power cut (poe_no_lugar). Two instances never mix their sets: the later lands whole. Throws
// ErroGravacao naming the file that cannot be written, with the reason; when a check fails, none is renamed.
void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros);

// Throws ErroGravacao when no file can be written at the name: a folder stands there.
void confere_destino(const std::string& nome);
