// The note of the renames of a set of files, shared by its writer and its reader. It stands in the set's
// folder as ".paludex_renomeia": the line "paludex renomeia", then for each file its temporary name and its
// name, each followed by a NUL byte (entries of that folder, as the disk holds them). Its name and its first
// line are the program's mark; a note lists only temporary files that bear the mark, of the names they stand by.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct Renomeacao {
  std::string temporario, destino;  // entries of the folder
  bool feita = false;
  int erro = 0;  // why it was not done: the errno of the call that failed, or NOTA_ALHEIA
};

// The erro of a rename not done because a file that is not the program's stands at the note's name.
constexpr int NOTA_ALHEIA = -1;

extern const std::string NOME_NOTA;
// The largest note: more than the program ever writes, so that anything larger is no note of its own.
constexpr size_t MAXIMO_NOTA = 64 * 1024;

// The bytes of the note of a set of renames.
std::string forma_nota(const std::vector<Renomeacao>& pares);
// The renames that the bytes of a note list; false when they are not a note that the program writes.
bool le_nota(const std::string& bytes, std::vector<Renomeacao>& pares);
