// The code of a data or result file, as the user types it.
#pragma once
#include <string>
#include <vector>

// The line typed after the prompt, cut or blank-padded to tamanho characters. A code that cannot name
// the files of types tipos in the data folder (one holding "/", which would name a file elsewhere, one
// whose file name a folder takes, or one whose file name two files answer to) is refused with a message
// saying why, and the prompt comes again.
// Where "0" leaves the dialogue (zero_sai) it is never refused; elsewhere it is a code like any other.
std::string PEDE_CODIGO(const std::string& prompt, size_t tamanho, const std::vector<std::string>& tipos,
                        bool zero_sai = true);

// Why a code that holds "/" names no file of the data folder (it would name one elsewhere); empty for a code
// without one.
std::string RECUSA_BARRA(const std::string& CODIGO);
