#include "escolha_ficheiros.h"

#include "codigo.h"
#include "diretorias.h"
#include "mensagem.h"
#include "nomes_dados.h"
#include "nomes_disco.h"
#include "respostas.h"
#include "rotinas_minhas.h"

namespace {

const std::string BRANCOS_8(8, ' ');

// The chooser's result, kept for the whole program run; "" before the first result.
std::string NOMEXP, PERGUNTA, NOMFILE;

// A chooser that found nothing leaves its message on the screen until the user has read it.
void SEM_FICHEIROS() {
  qw::pergunta("Pressione <ENTER> para voltar ao menu inicial");
  qw::le_linha();
}

enum class Escolha { FICHEIRO, VOLTA, SEM_FICHEIROS };

// One chooser of type EXT, shown again, with the reason, until its code names a file. With the title (the
// precipitation chooser) the screen is titled before each chooser and cleared after it.
Escolha ESCOLHE(std::string& CODIGO, const std::string& EXT, bool titulo) {
  for (std::string AVISO;;) {
    SALTA();
    if (titulo) qw::escreve(BRANCOS_8 + "IDENTIFICAÇÃO DOS FICHEIROS DE DADOS"_w);
    CODIGO = "?";
    int ISEM = 0;
    MOSTRA_FIC(CODIGO, EXT, ISEM, AVISO);
    if (ISEM == 1) {
      SEM_FICHEIROS();
      return Escolha::SEM_FICHEIROS;
    }
    if (titulo) SALTA();
    // "0" leaves from the first chooser; from the others, only when no file of that code exists.
    bool ZERO = apara(CODIGO) == "0";
    if (ZERO && titulo) return Escolha::VOLTA;
    try {
      AVISO = FALTA_DADOS(CODIGO, EXT);
    } catch (const NomeAmbiguo& e) {
      // Two files answer to the name chosen: said whole, naming them, before the chooser comes again.
      mensagem(e.aviso);
      CARREGUE();
      AVISO.clear();
      continue;
    }
    bool EXISTS = AVISO.empty();
    if (EXISTS) return Escolha::FICHEIRO;
    if (ZERO) return Escolha::VOLTA;
  }
}

// The first 60 characters of a code after its label, on a line of its own after an empty line.
void RESUMO(const std::string& rotulo, const std::string& CODIGO) {
  qw::escreve("");
  qw::escreve(BRANCOS_8 + rotulo + apara(fixo(CODIGO, 60)));
}

}  // namespace

void MOSTRA_FIC(std::string& INPUT_NOME, const std::string& EXT, int& IERR, const std::string& AVISO) {
  IERR = 0;
  if (apara(INPUT_NOME) != "?") return;
  PERGUNTA = fixo("Nome do ficheiro ==> ", 23);
  NOMEXP = fixo(padrao_dados(EXT), 8);
  FILATES(NOMEXP, NOMFILE, PERGUNTA, 1, IERR, AVISO);
  INPUT_NOME = NOMFILE.empty() ? "" : fixo(apara(NOMFILE), 98);
}

std::string FALTA_DADOS(const std::string& CODIGO, const std::string& tipo) {
  if (CODIGO.empty()) return "Clique primeiro no código de um ficheiro da lista."_w;
  if (!RECUSA_BARRA(CODIGO).empty()) return RECUSA_BARRA(CODIGO);
  const std::string nome = nome_dados(CODIGO, tipo);
  if (existe(nome)) return "";
  const std::string texto = "Não existe nenhum ficheiro "_w;
  return texto + VISIVEL(nome, 1, static_cast<int>(texto.size()) + 2, 1) + ".";
}

bool ESCOLHE_FICHEIROS(CodigosCalculo& COD, int& IERR) {
  struct {
    std::string* CODIGO;
    const std::string& EXT;
  } const escolhas[] = {
      {&COD.PRE, TIPO_PRE}, {&COD.ET0, TIPO_ET0}, {&COD.SOLO, TIPO_FRT}, {&COD.CULTURA, TIPO_CUL}};
  do {
    for (const auto& e : escolhas) {
      Escolha r = ESCOLHE(*e.CODIGO, e.EXT, e.CODIGO == &COD.PRE);
      if (r == Escolha::VOLTA) IERR = 1;
      if (r != Escolha::FICHEIRO) return false;
    }
    SALTA();
    RESUMO("ficheiro da precipitação ======> "_w, COD.PRE);
    RESUMO("ficheiro da evapotranspiração => "_w, COD.ET0);
    RESUMO("ficheiro do solo ==============> ", COD.SOLO);
    RESUMO("ficheiro da cultura ===========> ", COD.CULTURA);
    qw::escreve("");
    // A folder at the name of a report is found before the run asks anything more; the frequency file is
    // written by a run of one kind only, known once the years are chosen.
    COD.SAIDA = PEDE_CODIGO(BRANCOS_8 + "Código para o ficheiro de saída?  "_w, 98, {TIPO_NRG, TIPO_BAL}, false);
    qw::escreve("");
    qw::escreve("");
  } while (!CORRETOS());
  return true;
}
