// The daily water balance of one simulated year: the block in ND sub-areas flooded one per day, each
// following its target depths with seepage, percolation, crop evapotranspiration, rain, drainages and
// the rain held up to the tolerance; the irrigation need of every season day and the decade sums.
#pragma once
#include <cstdint>
#include <string>

#include "ficheiro_solo.h"
#include "lamina1.h"
#include "percol.h"
#include "tabela.h"

// A table by decade (1 to 3) and month (1 to 12).
using TabelaDecadas = Tabela2<float, 3, 12>;

// What the balance writes in one year. Volumes are m3 on the nominal block, that is mm.
struct BalancoAno {
  TabelaLaminas LAM;          // simulated ponding depth by season day and sub-area (m)
  TabelaLaminas PH, PV;       // lateral seepage and vertical percolation by day and sub-area (m3/day)
  TabelaDia PHA, PVA;         // the same summed over the sub-areas of each day
  TabelaDia NH;               // irrigation need of each season day, never negative
  TabelaDecadas NDEC;         // irrigation need by decade and month (net; the reports make it gross)
  TabelaDecadas PVD, PHD;     // vertical percolation and lateral seepage by decade and month
  TabelaDecadas ESUPD;        // surface runoff: water let out of the basins and rain spilled
  TabelaDecadas PD, ETD;      // rain and reference evapotranspiration over the counted area
  int32_t MESI = 0, MESF = 0;  // first and last report month: of season day 1 and of the last day
};

// The balance of year ANO, after LAMINA1 has built LAMP with the schedule C and the flooding
// parameters P: ETP and PRE in mm/day by decade and month, the soil values S, the usable reserve RU0
// (%) filled at the start, the block AREA (ha). KCD keeps its contents from year to year (set to 1.0
// here when C.INDK is 1). B is cleared first. Throws ErroFicheiro, naming the crop file NOME_CUL and
// the year, when the season and the days to finish the irrigation run past 31 December.
void BALANCO(const std::string& NOME_CUL, int32_t ANO, const CalendarioLaminas& C, const ParametrosAlagamento& P,
             const TabelaLaminas& LAMP, const TabelaDecadas& ETP, const TabelaDecadas& PRE, const DadosSolo& S,
             float RU0, float AREA, Tabela2<float, 12, 3>& KCD, BalancoAno& B);

// Decade of day IDIA of month IMES, then the change to the next month when IDIA has passed the month's
// end (February of 29 days when ANO is divisible by 4). False when that would pass December.
bool CALENDARIO(int32_t ANO, int32_t& IDIA, int32_t& IMES, int32_t& IDEC);

// 'D' when a sub-area's own season day falls in a sowing or drainage segment of the schedule (the basin
// is held at its target and no irrigation counted), 'N' otherwise, from the last break point on too.
char DRENAGEM(const CalendarioLaminas& C, int32_t DIA);

// A rain surplus (NEC < 0) of sub-area J on day I raises its depth; above tomorrow's target the raised
// depth is stored in LAM(I+1,J) up to (1 + TOL/100) times that target, and the part above the cap is
// spilled, replacing ESC. A raise that stays within tomorrow's target is not kept.
void EXCEDENTE(float NEC, float TOL, float AREA, int32_t ND, const TabelaLaminas& LAMP, TabelaLaminas& LAM,
               int32_t I, int32_t J, float& ESC);
