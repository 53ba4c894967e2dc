#include "codigo.h"

#include <algorithm>

#include "diretorias.h"
#include "mensagem.h"
#include "nomes_dados.h"
#include "nomes_disco.h"
#include "rotinas_minhas.h"

namespace {

// Why the code cannot name the files of types tipos; empty when it can.
std::string RECUSA_CODIGO(const std::string& CODIGO, const std::vector<std::string>& tipos) {
  if (!RECUSA_BARRA(CODIGO).empty()) return RECUSA_BARRA(CODIGO);
  for (const std::string& tipo : tipos) {
    const std::string nome = nome_dados(CODIGO, tipo);
    try {
      if (existe_pasta(nome)) return "Já existe uma pasta com o nome "_w + no_programa(nome) + ".";
    } catch (const NomeAmbiguo& e) {
      return e.aviso;
    }
  }
  return "";
}

}  // namespace

std::string PEDE_CODIGO(const std::string& prompt, size_t tamanho, const std::vector<std::string>& tipos,
                        bool zero_sai) {
  // The reason is written under the prompt's text.
  const std::string margem(std::min(prompt.find_first_not_of(' '), prompt.size()), ' ');
  for (;;) {
    qw::pergunta(prompt);
    std::string CODIGO = fixo(qw::le_linha(), tamanho);
    if (zero_sai && apara(CODIGO) == "0") return CODIGO;
    std::string recusa = RECUSA_CODIGO(CODIGO, tipos);
    if (recusa.empty()) return CODIGO;
    mensagem(margem + recusa);
  }
}

std::string RECUSA_BARRA(const std::string& CODIGO) {
  return CODIGO.find('/') != std::string::npos ? "O código não pode conter \"/\"."_w : "";
}
