#include "relatorios.h"

#include "consola.h"
#include "finito.h"
#include "meses.h"
#include "texto.h"

namespace {

using TabelaMeses = Tabela<float, 12>;

std::string linha_ano(int32_t ANO) { return "  Ano: " + fI(ANO, 4); }

// The report months' names, the k-th in columns 11 + 6(k - 1) to 13 + 6(k - 1).
std::string cabecalho(int32_t MESI, int32_t MESF) {
  std::string r(10, ' ');
  for (int m = MESI; m <= MESF; ++m) r += (m > MESI ? "   " : "") + MES(m);
  return r;
}

// A row of 8 columns of label, then each report month's value, the k-th in columns 9 + 6(k - 1) on.
std::string linha(const std::string& rotulo, const TabelaMeses& V, int32_t MESI, int32_t MESF) {
  std::string r = rotulo;
  for (int m = MESI; m <= MESF; ++m) r += (m > MESI ? " " : "") + fF(V(m), 5, 1);
  return r;
}

std::string rotulo_decada(int D) { return " " + std::to_string(D) + "dec.  "; }

// The month's sum of the three decades, starting from 0.
float mensal(const TabelaDecadas& T, int m) { return ((0 + T(1, m)) + T(2, m)) + T(3, m); }

TabelaMeses decada(const TabelaDecadas& T, int D) {
  TabelaMeses V;
  for (int m = 1; m <= 12; ++m) V(m) = T(D, m);
  return V;
}

// The three decade rows and the monthly row.
void tabela_balanco(FicheiroEscrita& BAL, const std::string& titulo, const TabelaDecadas& T, int32_t MESI,
                    int32_t MESF) {
  TabelaMeses MENSAL;
  for (int m = 1; m <= 12; ++m) MENSAL(m) = mensal(T, m);
  BAL.registo("");
  BAL.registo(std::string(20, ' ') + titulo);
  BAL.registo(cabecalho(MESI, MESF));
  for (int d = 1; d <= 3; ++d) BAL.registo(linha(rotulo_decada(d), decada(T, d), MESI, MESF));
  BAL.registo(linha(" Mensal ", MENSAL, MESI, MESF));
}

}  // namespace

void ABRE_RELATORIOS(FicheiroEscrita& NRG, FicheiroEscrita& BAL, const std::string& CULTURA, const std::string& SOLO,
                     const std::string& ET0, const std::string& PRE) {
  NRG.registo(std::string(21, ' ') + "NECESSIDADES DE REGA DO ARROZ (mm)");
  NRG.registo("");
  NRG.registo("");
  NRG.registo("    Cultura: " + fixo(CULTURA, 10) + "  Solo: " + fixo(SOLO, 10) + "  ETo: " + fixo(ET0, 10) +
              "  PRE: " + fixo(PRE, 10));
  NRG.registo("");
  BAL.registo(std::string(18, ' ') + "COMPONENTES DO BALANCO HIDRICO (mm)");
}

void ANO_NRG(FicheiroEscrita& NRG, int32_t ANO) {
  NRG.registo("");
  NRG.registo(linha_ano(ANO));
}

void FIM_ANO(FicheiroEscrita& NRG, FicheiroEscrita& BAL, BalancoAno& B, float EA, int32_t ANO, FicheiroEscrita* FRQ,
             TabelaAnos& RMATR, int32_t IIA) {
  const int32_t MESI = B.MESI, MESF = B.MESF;
  for (int d = 1; d <= 3; ++d)
    for (int m = 1; m <= 12; ++m) B.NDEC(d, m) = B.NDEC(d, m) / (1 - EA / 100);
  // The year's values are complete: none may reach the files as inf or nan.
  for (const TabelaDecadas* T : {&B.NDEC, &B.PVD, &B.ESUPD, &B.PD, &B.ETD})
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 3; ++d) FINITO((*T)(d, m), ANO);
      FINITO(mensal(*T, m), ANO);
    }
  if (FRQ) ANO_FRQ(*FRQ, IIA, ANO, MESI, MESF);
  BAL.registo("");
  BAL.registo("");
  BAL.registo(linha_ano(ANO));
  tabela_balanco(BAL, "PERCOLACAO VERTICAL", B.PVD, MESI, MESF);
  tabela_balanco(BAL, "ESCOAMENTO SUPERFICIAL", B.ESUPD, MESI, MESF);
  tabela_balanco(BAL, "PRECIPITACAO ", B.PD, MESI, MESF);
  // Reference evapotranspiration, without the crop coefficient, under the title the reports have always had.
  tabela_balanco(BAL, "EVAPOTRANSPIRACAO CULTURAL", B.ETD, MESI, MESF);

  NRG.registo("");
  for (int d = 1; d <= 3; ++d) {
    if (d == 1) NRG.registo(cabecalho(MESI, MESF));
    NRG.registo(linha(rotulo_decada(d), decada(B.NDEC, d), MESI, MESF));
    if (FRQ) DECADA_FRQ(*FRQ, d, B.NDEC, MESI, MESF, RMATR, IIA);
  }
  TabelaMeses SOM;
  for (int m = 1; m <= 12; ++m) SOM(m) = mensal(B.NDEC, m);
  qw::escreve("");
  NRG.registo(linha(" Mensal ", SOM, MESI, MESF));
}

void FECHA_RELATORIOS(FicheiroEscrita& NRG, FicheiroEscrita& BAL) {
  NRG.registo(" " + std::string(83, '-'));
  BAL.registo(" " + std::string(70, '-'));
}
