// A set of temporary files put in place in one folder, under a note that lets the next opening of the
// folder finish a set that SIGKILL or a power cut left half renamed.
#pragma once
#include <vector>

#include "nota_renomeacao.h"

// Puts a set of temporary files (complete and flushed to disk) in place in folder pasta (a descriptor). The
// caller holds the folder's lock (TrincoPasta) and holds back the signals that end the program: so a note in
// the folder is the note of a writer that died, and its renames come first; a file of that note that this
// set replaces is left out, its temporary removed, for the newer file takes its place. Then each temporary
// of the set is renamed over its file and the folder flushed to disk; with more than one, the note lists
// them meanwhile. A rename that fails does not stop the others; each pair says whether it was done. Returns
// the renames of the dead writer's note that cannot be done now: the note stays with them alone, for the
// next opening. Throws ErroFicheiro, renaming nothing, when the set's note cannot be written.
std::vector<Renomeacao> poe_no_lugar(int pasta, std::vector<Renomeacao>& pares);
