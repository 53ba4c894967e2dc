// Lateral seepage through the bunds and vertical percolation of one sub-area on one season day.
#pragma once
#include <cstdint>

#include "ficheiro_solo.h"
#include "lamina1.h"
#include "tabela.h"

// Day tables of the balance summed over the sub-areas (m3/day).
using TabelaDia = Tabela<float, 200>;

// From the ponding depth LAM(I,J) and the soil values S, writes PH(I,J) (Dupuit discharge through the
// bund along the sub-area's length of ditch) and PV(I,J) (Darcy's flux under the head that the water
// table allows; 0 when nothing is ponded), both in m3/day of a sub-area of AREA/ND ha, and adds them to
// PHA(I) and PVA(I). S.LA and S.LZC + S.LLAV1 must be above 0 (the soil reader refuses others).
void PERCOL(const DadosSolo& S, const TabelaLaminas& LAM, float AREA, int32_t ND, TabelaDia& PHA,
            TabelaDia& PVA, TabelaLaminas& PH, TabelaLaminas& PV, int32_t I, int32_t J);
