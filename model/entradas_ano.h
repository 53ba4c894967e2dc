// The preparation of every simulated year of a calculation run, once the year's answers are settled.
#pragma once
#include "calculo.h"

// The year's tables set to 0 (ND too when ILER is 1; AREA to the nominal 0.1 ha), the year's ETo and
// precipitation (converted to mm/day) read from the two series into ETP and PRE, and LAMINA1, which
// rebuilds the schedule and LAMP and asks the flooding parameters when ILER is 1.
void ENTRADAS_ANO(Calculo& C);
