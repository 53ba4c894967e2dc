#include "erro.h"

#include <cerrno>

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

ErroFicheiro::ErroFicheiro(const std::string& ficheiro, int linha, const std::string& problema, int erro)
    : ErroFicheiro(ficheiro, linha, com_razao(problema, erro)) {}

std::string ErroFicheiro::mensagem() const { return forma(ficheiro, linha, problema); }

std::string razao_sistema(int erro) {
  switch (erro) {
    case ENOSPC:
    case EDQUOT:
      return "não há espaço no disco"_w;
    case EACCES:
    case EPERM:
      return "não há permissão"_w;
    case EROFS:
      return "o disco só pode ser lido"_w;
    case ENOENT:
      return "não existe"_w;
    case ENOTDIR:
      return "é um ficheiro, não uma pasta"_w;
    case EISDIR:
      return "existe uma pasta com esse nome"_w;
    case ENAMETOOLONG:
      return "o nome é demasiado comprido"_w;
    case EMFILE:
    case ENFILE:
      return "demasiados ficheiros abertos ao mesmo tempo"_w;
    case EIO:
      return "o disco deu um erro de leitura ou escrita"_w;
    default:
      return "";
  }
}

std::string com_razao(const std::string& texto, int erro) {
  const std::string razao = razao_sistema(erro);
  return razao.empty() ? texto : texto + " (" + razao + ")";
}
