#include "solo.h"

// Comes straight back to the initial menu until the dialogue is built.
void SOLO(int&) {}
