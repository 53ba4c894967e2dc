// Fixed-length, blank-padded texts of one byte per character (Windows-1252), as the system keeps them.
#pragma once
#include <string>

// The text cut or blank-padded to exactly N characters.
std::string fixo(const std::string& texto, size_t N);

// Position of the last non-blank character, counted from 1; 0 when the text is all blanks.
int ultimo(const std::string& texto);

// The text without its trailing blanks.
std::string apara(const std::string& texto);

// n blanks: a text written n columns in.
std::string brancos(int n);

// A UTF-8 literal of the source turned into the program's own Windows-1252 text: "Opção"_w.
std::string operator""_w(const char* utf8, size_t n);
