// Temporary files renamed over their files as one set that survives SIGKILL and a power cut. Before the
// first rename of a set of several files, a note in the current folder (the data folder),
// ".paludex_renomeia.PID", lists the renames: the line "paludex renomeia", then for each file its
// temporary name and its name, each followed by a NUL byte (names on disk, in that folder). The note is
// written whole (to its own temporary name, flushed to disk, renamed into place) and removed after the
// last rename. The next opening of the folder finishes a note whose process no longer runs.
#pragma once
#include <string>
#include <vector>

struct Renomeacao {
  std::string temporario, destino;  // names on disk
  bool feita = false;
};

// Renames each temporary (complete and flushed to disk) over its file and flushes the folder; a set of
// several files, all in the current folder, is recorded in the note meanwhile. A rename that fails does
// not stop the others; each says whether it was done. Throws ErroFicheiro, and renames nothing, when the
// note cannot be written.
void renomeia_juntos(std::vector<Renomeacao>& pares);

// What processes that no longer run left in the current folder: their notes are finished (all their
// renames done, the note removed) and then their temporary files removed. A note whose renames cannot
// all be done now stays, with its temporaries, for the next opening; one that is not a note is removed.
// Called where the program writes no file (the opening of the data folder).
void arruma_pasta();
