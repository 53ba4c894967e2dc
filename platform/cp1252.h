// Windows-1252 inside the program, UTF-8 at its edges (terminal, script, file names).
#pragma once
#include <string>

// UTF-8 to Windows-1252; a character that Windows-1252 lacks, or a malformed sequence, becomes "?".
std::string de_utf8(const std::string& utf8);

// Windows-1252 to UTF-8; the five bytes that Windows-1252 leaves undefined become "?".
std::string para_utf8(const std::string& texto);

// The Unicode code point of one Windows-1252 byte (0 for an undefined byte).
char32_t unicode(unsigned char c);
