// The crop's schedule of one simulated year, the flooding parameters of the block and the daily
// target-depth table of every sub-area.
#pragma once
#include <cstdint>
#include <string>

#include "lercult.h"
#include "tabela.h"

// How the block is flooded. The caller keeps them from year to year: LAMINA1 asks them in the years
// that ILER marks and otherwise reuses them, recomputing ND from the flow when ALEF is '2'.
struct ParametrosAlagamento {
  char ALEF = ' ';    // '1' the number of days is given, '2' it follows from the flow
  int32_t ND = 0;     // days to flood the whole block, also the number of sub-areas (1 to 50)
  float CAUDAL = 0;   // flow available, (l/s)/ha (option '2')
  float HORAS = 0;    // daily irrigation duration, h (option '2')
  int32_t NCANT = 0;  // days to finish the irrigation of the whole block (1 to ND)
  int32_t NDFIM = 0;  // days simulated after the season, equal to NCANT
};

// The table's bounds on the data: ND sub-areas of 1 to 50, NCICLO + ND season days up to 200.
constexpr int32_t MAX_SUBAREAS = 50, MAX_DIAS = 200;
bool CABE_NA_TABELA(int32_t NCICLO, int32_t ND);
// Why a season of NCICLO days and ND days of flooding do not fit, as a clause of a message.
std::string EXCEDE_TABELA(int32_t NCICLO, int32_t ND);

// LAMP(I, J): target ponding depth (m) of sub-area J on season day I.
using TabelaLaminas = Tabela2<float, 200, 50>;

// One year: reads the crop file CULTURA (the whole code) for year ANO into C, asks the flooding
// parameters into P when ILER is 1 (the plough depth LLAV1 and porosity POROS of the soil enter the
// days computed from the flow), and writes days 1 to NCICLO + ND of columns 1 to ND of LAM, leaving
// the rest as it was. Throws ErroFicheiro, naming the crop file, when the crop file is refused or when
// the season and the days to flood the block do not fit the 200 days of the table in a year that
// cannot ask again.
void LAMINA1(const std::string& CULTURA, int32_t ANO, float LLAV1, float POROS, int32_t ILER, CalendarioLaminas& C,
             ParametrosAlagamento& P, TabelaLaminas& LAM);

// The flooding dialogue of a year that asks, once the crop file is read: the option menu, ND or the
// flow and the hours, NCANT and the confirmation, whose "N" shows the menu again. An ND that does not
// fit the table with the season is said and the menu comes again; the season itself must leave room
// for one day (NCICLO below 200: LAMINA1 refuses a longer one before asking).
void ALAGAMENTO(const CalendarioLaminas& C, float LLAV1, float POROS, ParametrosAlagamento& P);

// Days to flood the block from the flow: the water to flood one hectare (the first break point's
// depth LAM0, the pores of the plough layer and 0.005 m) over the day's delivery, to the nearest
// whole day, a half going up.
int32_t ND_CAUDAL(float LAM0, float LLAV1, float POROS, float CAUDAL, float HORAS);

// The table from the schedule in C for ND sub-areas: sub-area J follows the schedule J - 1 days
// after sub-area 1 and holds 0 before its flooding day and after its NCICLO days.
void TABELA_LAMP(const CalendarioLaminas& C, int32_t ND, TabelaLaminas& LAM);
