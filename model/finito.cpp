#include "finito.h"

#include <cmath>
#include <string>

#include "erro.h"
#include "texto.h"

void FINITO(float valor, int32_t ANO) {
  if (!std::isfinite(valor))
    throw ErroFicheiro("", 0,
                       "o cálculo do ano "_w + std::to_string(ANO) +
                           " dá valores infinitos ou indefinidos (verifique os dados)"_w);
}
