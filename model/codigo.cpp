#include "codigo.h"

#include <algorithm>

#include "diretorias.h"
#include "mensagem.h"
#include "rotinas_minhas.h"

namespace {

// Why the code cannot name a file of type tipo; empty when it can.
std::string RECUSA_CODIGO(const std::string& CODIGO, const std::string& tipo) {
  if (CODIGO.find('/') != std::string::npos) return "O código não pode conter \"/\"."_w;
  if (tipo.empty()) return "";
  std::string nome;
  LIMPAM(nome, CODIGO, tipo);
  nome = apara(nome);
  return existe_pasta(nome) ? "Já existe uma pasta com o nome "_w + nome + "." : "";
}

}  // namespace

std::string PEDE_CODIGO(const std::string& prompt, size_t tamanho, const std::string& tipo) {
  // The reason is written under the prompt's text.
  const std::string margem(std::min(prompt.find_first_not_of(' '), prompt.size()), ' ');
  for (;;) {
    qw::pergunta(prompt);
    std::string CODIGO = fixo(qw::le_linha(), tamanho);
    if (apara(CODIGO) == "0") return CODIGO;
    std::string recusa = RECUSA_CODIGO(CODIGO, tipo);
    if (recusa.empty()) return CODIGO;
    mensagem(margem + recusa);
  }
}
