#include "respostas.h"

#include <string>

#include "consola.h"
#include "teclado.h"
#include "texto.h"

char LETRA() {
  std::string linha = qw::le_linha();
  return linha.empty() ? ' ' : linha[0];
}

namespace {

// One free-form read of the typed lines; false when the answer cannot be read.
template <class T>
bool teclado_livre(T (Livre::*le)(), T& valor) {
  try {
    Teclado t;
    Livre leitura(t);
    valor = (leitura.*le)();
    return true;
  } catch (const ErroFicheiro&) {
    return false;
  }
}

}  // namespace

bool NUMERO(float& valor) { return teclado_livre(&Livre::real, valor); }

bool INTEIRO(int32_t& valor) { return teclado_livre(&Livre::inteiro, valor); }

bool CORRETOS() {
  qw::pergunta(std::string(10, ' ') + "Os dados estão corretos (S/N) "_w);
  char c = LETRA();
  return c != 'N' && c != 'n';
}

void CARREGUE() {
  qw::escreve("");
  qw::escreve("");
  qw::escreve(std::string(30, ' ') + "CARREGUE <ENTER> PARA CONTINUAR ");
  qw::le_linha();
}
