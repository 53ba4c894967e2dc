#include "linha_espera.h"

#include "consola.h"
#include "texto.h"

namespace {
// The grid as the wait found it: nothing else writes to it until the wait ends.
Grelha antes;
}  // namespace

void linha_espera(bool esperando) {
  Grelha& g = consola().grelha();
  if (!esperando) {
    g = antes;
    consola().mostra();
    return;
  }
  antes = g;
  const std::string texto = "Outro programa está a gravar nesta pasta: à espera que termine..."_w;
  g.desenha(Grelha::LINHAS, 1, fixo(texto, Grelha::COLUNAS), g.cor_texto);
  consola().em_espera();
}
