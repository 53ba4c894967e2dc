#include "nota_renomeacao.h"

#include "temporarios.h"

const std::string NOME_NOTA = ".paludex_renomeia";

namespace {
const std::string CABECALHO = "paludex renomeia\n";

// An entry of the folder itself, no path and not the folder.
bool entrada(const std::string& nome) {
  return !nome.empty() && nome != "." && nome != ".." && nome.find('/') == std::string::npos;
}
}  // namespace

std::string forma_nota(const std::vector<Renomeacao>& pares) {
  std::string bytes = CABECALHO;
  for (const Renomeacao& r : pares) bytes += r.temporario + '\0' + r.destino + '\0';
  return bytes;
}

bool le_nota(const std::string& bytes, std::vector<Renomeacao>& pares) {
  pares.clear();
  if (bytes.size() > MAXIMO_NOTA || bytes.compare(0, CABECALHO.size(), CABECALHO) != 0) return false;
  std::vector<std::string> nomes;
  for (size_t p = CABECALHO.size(); p < bytes.size();) {
    const size_t fim = bytes.find('\0', p);
    if (fim == std::string::npos) return false;
    nomes.push_back(bytes.substr(p, fim - p));
    p = fim + 1;
  }
  if (nomes.size() % 2 != 0) return false;
  for (size_t i = 0; i < nomes.size(); i += 2) {
    std::string de;
    if (!entrada(nomes[i + 1]) || !e_temporario(nomes[i], de) || de != nomes[i + 1]) return false;
    pares.push_back({nomes[i], nomes[i + 1]});
  }
  return true;
}
