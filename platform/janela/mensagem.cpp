#include "mensagem.h"

#include <algorithm>

#include "consola.h"
#include "texto.h"

std::vector<std::string> linhas_mensagem(const std::string& texto, int coluna) {
  const size_t N = Grelha::COLUNAS;
  const std::string t = apara(texto);
  size_t p = std::min(t.find_first_not_of(' '), t.size());
  // The row being built, from column 1. The rows after the first hold their text under the first's, or
  // from column 1 when the first row's text begins past the row.
  std::string linha(coluna - 1 + p, ' ');
  const size_t margem = linha.size() < N ? linha.size() : 0;
  std::vector<std::string> linhas;
  auto fecha = [&] {
    linhas.push_back(fixo(linha, N));
    linha.assign(margem, ' ');
  };
  for (size_t antes = 0; p < t.size();) {
    const size_t fim = std::min(t.find(' ', p), t.size());
    const std::string palavra = t.substr(p, fim - p);
    // A word that does not fit the rest of the row goes to the next one when it fits there; one longer
    // than a row is cut where the row ends.
    if (linha.size() + antes + palavra.size() > N &&
        (margem + palavra.size() <= N ? linha.size() + antes > margem : linha.size() + antes >= N)) {
      fecha();
      antes = 0;
    }
    linha += std::string(antes, ' ');
    for (size_t i = 0; i < palavra.size();) {
      if (linha.size() >= N) fecha();
      const size_t n = std::min(palavra.size() - i, N - linha.size());
      linha += palavra.substr(i, n);
      i += n;
    }
    p = std::min(t.find_first_not_of(' ', fim), t.size());
    antes = p - fim;
  }
  fecha();
  linhas.front().erase(0, coluna - 1);
  return linhas;
}

void mensagem(const std::string& texto) {
  Grelha& g = consola().grelha();
  // After a wrap left pending the message begins at column 1 of the next row.
  const int coluna = g.coluna() > Grelha::COLUNAS ? 1 : g.coluna();
  for (const std::string& l : linhas_mensagem(texto, coluna)) {
    g.escreve(l);
    g.fim_registo();
  }
}
