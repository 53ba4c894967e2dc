#include "erro.h"

#include "cp1252.h"
#include "texto.h"

namespace {
std::string forma(const std::string& ficheiro, int linha, const std::string& problema) {
  std::string m = ficheiro.empty() ? "Erro" : "Erro no ficheiro " + ficheiro;
  if (linha > 0) m += ", linha " + std::to_string(linha);
  return m + ": " + problema;
}
}  // namespace

ErroFicheiro::ErroFicheiro(const std::string& ficheiro, int linha, const std::string& problema)
    : std::runtime_error(para_utf8(forma(ficheiro, linha, problema))),
      ficheiro(ficheiro),
      linha(linha),
      problema(problema) {}

std::string ErroFicheiro::mensagem() const { return forma(ficheiro, linha, problema); }
