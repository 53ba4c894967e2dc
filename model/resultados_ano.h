// Where the daily water balance and the result files meet the calculation run: the three points of the
// run that compute the balance and write the reports and the frequency analysis.
#pragma once
#include "calculo.h"

// Every year, after its inputs (ENTRADAS_ANO) and, in the first year of a run of kind 2, the creation of
// the frequency file: the year start (the year line of the requirement report), the daily balance and
// the year end (the year's blocks of the result files, and an empty line on the screen).
void BALANCO_ANO(Calculo& C);

// After the last year, before the closing screen: the closing lines of the two reports.
void FECHO_RELATORIOS(Calculo& C);

// A run of kind 2, once the names of the result files are shown: the mean year and the frequency analysis.
void ANALISE_FREQUENCIAL(Calculo& C);
