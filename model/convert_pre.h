// Precipitation totals of one row of a decade table turned into mean daily values (mm/day).
#pragma once
#include <cstdint>

#include "tabela.h"

// Row R of PRE in year ANO: with T = 1 (monthly totals) each value is divided by the days of its month;
// with T = 3 (decade totals) by 10 in rows 1 and 2 and by the days from the 21st to the month's end in
// row 3. February has 29 days when ANO is divisible by 4.
void CONVERT_PRE(Tabela2<float, 3, 12>& PRE, int32_t R, int32_t ANO, int32_t T);
