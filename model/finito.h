// The check that stops a run on a value that is not finite, shared by the reports and the frequency
// analysis.
#pragma once
#include <cstdint>

// Throws ErroFicheiro naming the year ANO when a value computed for the result files is not finite.
void FINITO(float valor, int32_t ANO);
