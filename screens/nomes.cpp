#include "nomes_dados.h"
#include "rotinas_minhas.h"

void LIMPAM(std::string& nome, const std::string& CODIGO, const std::string& tipo, size_t tamanho) {
  nome = fixo(nome_dados(CODIGO, fixo(tipo, 3)), tamanho);
}

void LIMPA(std::string& TEXTO, int count) {
  std::string AUX;
  for (int i = 0; i < count && i < static_cast<int>(TEXTO.size()); ++i)
    if (TEXTO[i] != ' ') AUX += TEXTO[i];
  TEXTO = fixo(AUX.substr(0, 230), TEXTO.size());
}
