// Names as the disk holds them. Inside the program a name is Windows-1252; on disk it is UTF-8, or the
// Windows-1252 bytes that a Windows archive leaves, and in the data folder its letter case may differ.
#pragma once
#include <string>
#include <vector>

// The name on disk of what the program names nome: a name in the data folder (no "/") as entrada_dados
// finds it (throwing NomeAmbiguo when two entries stand for it); a path part by part as pasta_no_disco
// finds it. When nothing matches, the UTF-8 form: a new file is named as the program forms it.
std::string no_disco(const std::string& nome);
// A folder path, letter case kept: each part its UTF-8 form when an entry of that name exists, else the
// entry whose name reads as it (de_utf8).
std::string pasta_no_disco(const std::string& caminho);
// What no_disco finds, as the program writes it (Windows-1252): the name that screens and messages show.
std::string no_programa(const std::string& nome);
// The names of the entries of a folder on disk ("" the current one), as the disk holds them, "." and ".."
// included, in the folder's own order; none when it cannot be read.
std::vector<std::string> entradas_disco(const std::string& pasta = "");
// A Windows-1252 text with its capital letters (accented ones too) made small.
std::string sem_caixa(const std::string& texto);
