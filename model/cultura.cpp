#include "cultura.h"

// Comes straight back to the initial menu until the dialogue is built.
void CRIA_CULTURA(int&) {}
