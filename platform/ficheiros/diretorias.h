// The file system as the system sees it: the current directory is the data folder, files are named
// relative to it. Names are Windows-1252 inside and found on disk as no_disco finds them: in the data
// folder letter case is ignored, the exact name first; a folder's path keeps its letter case.
#pragma once
#include <string>
#include <vector>

// The process's current directory, whole at any depth; false when it cannot be taken.
bool diretoria_corrente(std::string& caminho);
// Makes the path (trailing blanks dropped) the current directory, each part found as pasta_no_disco finds
// it; false, nothing changed, when it cannot (errno then says why: ENOENT, ENOTDIR for a file, EACCES...).
// Throws NomeAmbiguo, nothing changed, when two entries stand for one part of the path.
bool muda_diretoria(const std::string& caminho);
// Whether a regular file of that name exists.
bool existe(const std::string& nome);
// Whether a folder stands at that name (no file can be written there).
bool existe_pasta(const std::string& nome);
// Regular files in the current directory whose names match a wildcard pattern ("*", "?") whatever their
// letter case, sorted by name; hidden names (a leading ".") are not listed.
std::vector<std::string> lista(const std::string& padrao);
