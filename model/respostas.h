// Typed answers shared by the dialogues: one character, a free-form number, the confirmation, the pause.
#pragma once
#include <cstdint>

// The first character of the typed line; a blank when the line is empty.
char LETRA();
// A free-form number from the typed lines (an empty line gives none, the next line is read); false
// when the answer cannot be read, so that the dialogue asks it again.
bool NUMERO(float& valor);
bool INTEIRO(int32_t& valor);
// "Os dados estão corretos (S/N) ", 10 blanks in; false when answered "N" or "n".
bool CORRETOS();
// Two empty lines, "CARREGUE <ENTER> PARA CONTINUAR " 30 blanks in, and a wait for a typed line.
void CARREGUE();
