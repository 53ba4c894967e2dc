// Opening a data folder: it becomes the current directory, and before anything else is read or written
// there, what runs of the program that died left in it is put right: the set of files a run was putting in
// place is finished (so the user finds one set, all old or all new) and the temporary files of dead runs are
// removed. The user's own files are never touched, nor the temporary files of a live run, in whatever
// process-id space it runs.
#pragma once
#include <string>

// Opens the folder at that path (trailing blanks dropped, as muda_diretoria takes it). False, nothing
// changed, when it cannot be made the current directory. aviso is then empty, or the message that a set
// could not be finished, naming its files: it waits, with its note, for the next opening.
bool abre_pasta(const std::string& caminho, std::string& aviso);
