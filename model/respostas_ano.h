// The answers asked at the start of a year that asks them: block area, usable reserve, losses.
#pragma once
#include <cstdint>

// On a cleared screen headed "Ano:" and the year: AREA (> 0), RU0 (not 0) and EA (not 0, below 100),
// then the confirmation; an answer refused says why. False when it is answered "N" (the year starts again);
// true once accepted, the screen cleared.
bool RESPOSTAS_ANO(int32_t ANO, float& AREA, float& RU0, float& EA);
