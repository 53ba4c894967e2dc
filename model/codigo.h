// The code of a data or result file, as the user types it.
#pragma once
#include <string>

// The line typed after the prompt, cut or blank-padded to tamanho characters. A code that cannot name
// a file of type tipo in the data folder (one holding "/", which would name a file elsewhere, or one
// whose file name a folder takes) is refused with one line saying why, and the prompt comes again.
// "0", which leaves the dialogues, is never refused; with no tipo only "/" is refused.
std::string PEDE_CODIGO(const std::string& prompt, size_t tamanho, const std::string& tipo = "");
