// Crop coefficient of the day's decade, from the monthly coefficients of the crop file.
#pragma once
#include <cstdint>

#include "tabela.h"

// With INDK = 2, writes KCD(IMES,IDEC) for day IDIA of month IMES: KC(1) up to the second decade of the
// sowing month MM1, the last coefficient from the second decade of the harvest month MM6 on, and in
// between the line through the monthly coefficients placed at the middle decades, read at thirds.
// Any other INDK leaves KCD alone (the balance sets it to 1.0 at the year start).
void COEFCULT(int32_t INDK, int32_t MM1, int32_t MM6, const Tabela<float, 7>& KC, int32_t IMES, int32_t IDEC,
              int32_t IDIA, Tabela2<float, 12, 3>& KCD);
