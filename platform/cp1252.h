// Windows-1252 inside the program, UTF-8 at its edges (terminal, script, file names).
#pragma once
#include <string>

// UTF-8 to Windows-1252: a character that Windows-1252 lacks becomes "?"; a byte that is not part of a
// UTF-8 sequence is the Windows-1252 character it stands for (a Windows name or keyboard), kept as it is.
std::string de_utf8(const std::string& utf8);

// How many continuation bytes a UTF-8 lead byte announces (1 to 3); 0 for a byte that leads no sequence.
int continuacoes_utf8(unsigned char c);

// The length of the UTF-8 sequence that starts at s[i] (1 to 4) and its code point in u; 0 when the
// bytes there are not UTF-8 (a stray continuation byte, a sequence cut short, an overlong form).
int sequencia_utf8(const std::string& s, size_t i, char32_t& u);

// Windows-1252 to UTF-8; the five bytes that Windows-1252 leaves undefined become "?".
std::string para_utf8(const std::string& texto);

// The Unicode code point of one Windows-1252 byte (0 for an undefined byte).
char32_t unicode(unsigned char c);
