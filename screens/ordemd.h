// Ascending sort with index, for the frequency analysis of a series of years.
#pragma once
#include <cstdint>

#include "tabela.h"

// Sorts V(1..n) ascending in place (exchange sort, stable) and sets IPOINT(k) to the position that the
// value now at V(k) held before the sort. A count of 0 or less sorts nothing; n must not exceed 100.
void ORDEMD(int32_t n, Tabela<float, 100>& V, Tabela<int32_t, 100>& IPOINT);
