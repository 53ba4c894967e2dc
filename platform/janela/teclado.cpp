#include "teclado.h"

#include "consola.h"

bool Teclado::proximo(std::string& registo, int& numero) {
  registo = qw::le_linha();
  numero = 0;
  return true;
}
