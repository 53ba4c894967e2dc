#include "paludec.h"

#include <memory>
#include <vector>

#include "calculo.h"
#include "entradas_ano.h"
#include "escolha_anos.h"
#include "escolha_ficheiros.h"
#include "frequencia.h"
#include "nomes_dados.h"
#include "relatorios.h"
#include "respostas_ano.h"
#include "resultados_ano.h"
#include "rotinas_minhas.h"

namespace {

const std::string BRANCOS_3(3, ' ');

// Step 8 of the run: the two reports, named from the output code, with their creation lines.
void ABRE_RESULTADOS(Calculo& C) {
  C.RES.NRG.emplace(nome_dados(C.COD.SAIDA, TIPO_NRG));
  C.RES.BAL.emplace(nome_dados(C.COD.SAIDA, TIPO_BAL));
  ABRE_RELATORIOS(*C.RES.NRG, *C.RES.BAL, C.COD.CULTURA, C.COD.SOLO, C.COD.ET0, C.COD.PRE);
}

// The name of a result file on the closing screen, after its heading.
void NOME_RESULTADO(int vazias, const std::string& titulo, const FicheiroEscrita& F) {
  for (int i = 0; i < vazias; ++i) qw::escreve("");
  qw::escreve(BRANCOS_3 + titulo);
  qw::escreve(BRANCOS_3 + apara(F.nome().substr(0, 98)));
}

// The years of the run: at the top of each the answers when due (an "N" starts the year again), then
// the year's inputs and its balance and reports.
void ANOS(Calculo& C) {
  C.SERIE_ET0->CONTADOR = 0;
  C.SERIE_PRE->CONTADOR = 0;
  C.IIA = 0;
  C.FRQ_CRIADO = false;
  C.ANO_INICIAL = C.ANO;
  for (;;) {
    do {
      SALTA();
      C.ILER = C.ISEQUE_CONST != 2 || !C.FRQ_CRIADO ? 1 : 0;
    } while (C.ILER == 1 && !RESPOSTAS_ANO(C.ANO, C.AREA, C.RU0, C.EA));
    ENTRADAS_ANO(C);
    // The frequency file of a run of kind 2 is created in its first year; its mark tells the later years
    // not to ask their answers again.
    if (C.ISEQUE_CONST == 2 && !C.FRQ_CRIADO) {
      C.FRQ_CRIADO = true;
      CRIA_FRQ(C.RES.FRQ, C.COD.SAIDA);
    }
    BALANCO_ANO(C);
    // Tested before the year moves on: the last year may be the largest one.
    if (C.ISEQUE_CONST == 0 || C.ANO >= C.ANOF) return;
    C.ANO = C.ANO + 1;
  }
}

// The end of the run: the closing lines of the reports and the frequency analysis of a run of kind 2,
// the result files put in place together, then their names and the pause.
void FIM(Calculo& C) {
  FECHO_RELATORIOS(C);
  if (C.ISEQUE_CONST == 2) ANALISE_FREQUENCIAL(C);
  std::vector<FicheiroEscrita*> resultados = {&*C.RES.NRG};
  if (C.RES.FRQ) resultados.push_back(&*C.RES.FRQ);
  resultados.push_back(&*C.RES.BAL);
  conclui_juntos(resultados);
  SALTA();
  NOME_RESULTADO(3, "Necessidades de rega no ficheiro de nome:", *C.RES.NRG);
  NOME_RESULTADO(2, "Componentes do balanço hidrico no ficheiro de nome:"_w, *C.RES.BAL);
  if (C.ISEQUE_CONST == 2)
    NOME_RESULTADO(2, "Ficheiro com a análise frequencial (TANQUO) de nome:"_w, *C.RES.FRQ);
  qw::escreve("");
  qw::escreve("");
  qw::escreve(BRANCOS_3 + "Pressione uma tecla para continuar");
  qw::le_linha();
}

}  // namespace

void PALUDEC(int& IERR, const std::string&) {
  // The whole state of the run, fresh for every run; its files are closed (and the result files of a
  // run that stops on an error removed) when it goes.
  auto C = std::make_unique<Calculo>();
  if (!ESCOLHE_FICHEIROS(C->COD, IERR)) return;
  ABRE_RESULTADOS(*C);
  LE_SOLO(C->COD.SOLO, C->SOLO);
  C->SERIE_ET0.emplace(nome_dados(C->COD.ET0, TIPO_ET0));
  LE_CABECALHO(*C->SERIE_ET0);
  C->SERIE_PRE.emplace(nome_dados(C->COD.PRE, TIPO_PRE));
  LE_CABECALHO(*C->SERIE_PRE);
  PERIODO_COMUM(*C->SERIE_ET0, *C->SERIE_PRE, C->IANO1, C->IANO2);
  // The crop file is read anew every year; read once now, a file that the run would refuse (its dates
  // fall outside the year in any year) stops it before any question is asked.
  LERCULT(C->COD.CULTURA, C->IANO1, C->CAL);
  SALTA();
  ESCOLHE_ANOS(C->IANO1, C->IANO2, C->ANO, C->ANOF, C->ISEQUE_CONST);
  // Only a run of kind 2 writes the frequency file: what stands at its name may stop that run alone.
  if (C->ISEQUE_CONST == 2) confere_destino(nome_dados(C->COD.SAIDA, TIPO_FRQ));
  ANOS(*C);
  FIM(*C);
}
