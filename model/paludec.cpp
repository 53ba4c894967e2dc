#include "paludec.h"

// Comes straight back to the initial menu until the calculation is built.
void PALUDEC(int&, const std::string&) {}
