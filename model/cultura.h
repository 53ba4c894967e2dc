// The crop-file dialogue (option 1) of the initial menu, and two screen and file routines of its module.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>

// Sets IERR to 1 when the user leaves it with the code "0".
void CRIA_CULTURA(int& IERR);

// Writes 28 empty lines, scrolling the previous text out of sight.
void LIMPAR();

// Opens in F the data file named from CODIGO and TIPO, creating it empty when absent. When it holds a
// line, asks whether to update it (IOPCAO 1, the file is closed), create a new one (2) or go back to
// the initial menu (0); an empty or unreadable file gives 0 at once. Otherwise F stays open, at its start.
void FICH(const std::string& CODIGO, const std::string& TIPO, int32_t& IOPCAO, std::fstream& F);
