// Names as the disk holds them. Inside the program a name is Windows-1252; on disk it is UTF-8, or the
// Windows-1252 bytes that a Windows archive leaves, and in the data folder its letter case may differ.
// One rule finds the entry that a name stands for, for a data file's name and for every part of a path.
#pragma once
#include <string>
#include <vector>

#include "erro.h"

// What a name looked for among the entries of a folder is.
enum class Procura {
  DADOS,    // a name of the data folder (a data or result file): its letter case does not matter
  CAMINHO,  // a part of a path (a folder, or the settings file in its folder): its letter case is kept
};

// The entry of folder pasta (on disk: "" the current one, else ending in "/") that the program's name nome
// stands for, at the first of these steps that finds one: the exact name (its UTF-8 form); the entry that
// reads as it (de_utf8); for DADOS, among the entries equal to it ignoring letter case, the one whose code is
// the same letter for letter (only the type and ".txt" in another case), then the one entry equal to it
// ignoring case. When nothing matches, the UTF-8 form: a new file is named as the program forms it. Throws
// NomeAmbiguo when two entries stand for it at one step.
std::string entrada_disco(const std::string& pasta, const std::string& nome, Procura procura);

// The name on disk of what the program names nome: a name of the data folder (no "/") as a data file's, a
// path part by part (pasta_no_disco).
std::string no_disco(const std::string& nome);
// A path on disk, each of its parts found as a part of a path (Procura::CAMINHO).
std::string pasta_no_disco(const std::string& caminho);
// What no_disco finds, as the program writes it (Windows-1252): the name that screens and messages show.
std::string no_programa(const std::string& nome);
// The names of the entries of a folder on disk ("" the current one), as the disk holds them, "." and ".."
// included, in the folder's own order; none when it cannot be read.
std::vector<std::string> entradas_disco(const std::string& pasta = "");
// A Windows-1252 text with its capital letters (accented ones too) made small.
std::string sem_caixa(const std::string& texto);

// A name that two entries of a folder stand for: the program cannot tell which one is meant.
class NomeAmbiguo : public ErroFicheiro {
 public:
  NomeAmbiguo(const std::string& nome, const std::vector<std::string>& entradas, Procura procura);
  // The line that says so where the name is typed, chosen or read, naming the entries.
  std::string aviso;
};
