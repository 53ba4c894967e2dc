#include "relatorios.h"

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

// The monthly row: each month's sum of the three decades.
std::string linha_mensal(const TabelaDecadas& T, int32_t MESI, int32_t MESF) {
  TabelaMeses MENSAL;
  for (int m = 1; m <= 12; ++m) MENSAL(m) = mensal(T, m);
  return linha(" Mensal ", MENSAL, MESI, MESF);
}

// The three decade rows and the monthly row.
void tabela_balanco(FicheiroEscrita& BAL, const std::string& titulo, const TabelaDecadas& T, int32_t MESI,
                    int32_t MESF) {
  BAL.registo("");
  BAL.registo(std::string(20, ' ') + titulo);
  BAL.registo(cabecalho(MESI, MESF));
  for (int d = 1; d <= 3; ++d) BAL.registo(linha(rotulo_decada(d), decada(T, d), MESI, MESF));
  BAL.registo(linha_mensal(T, MESI, MESF));
}

// The tables of the water-balance report, in its order, under their titles. A table added here is written
// and checked with the others.
const struct {
  const char* titulo;
  TabelaDecadas BalancoAno::*T;
} TABELAS_BAL[] = {
    {"PERCOLACAO VERTICAL", &BalancoAno::PVD},
    {"ESCOAMENTO SUPERFICIAL", &BalancoAno::ESUPD},
    {"PRECIPITACAO ", &BalancoAno::PD},
    // Reference evapotranspiration, without the crop coefficient, under the title the reports have always had.
    {"EVAPOTRANSPIRACAO CULTURAL", &BalancoAno::ETD},
};

// The gross requirement: every decade divided once by 1 - EA/100.
void BRUTAS(TabelaDecadas& NDEC, float EA) {
  for (int d = 1; d <= 3; ++d)
    for (int m = 1; m <= 12; ++m) NDEC(d, m) = NDEC(d, m) / (1 - EA / 100);
}

// Every value of a table and its monthly sums, as the files will hold them.
void FINITOS(const TabelaDecadas& T, int32_t ANO) {
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= 3; ++d) FINITO(T(d, m), ANO);
    FINITO(mensal(T, m), ANO);
  }
}

// The year's block of the water-balance report.
void BLOCO_BAL(FicheiroEscrita& BAL, const BalancoAno& B, int32_t ANO) {
  BAL.registo("");
  BAL.registo("");
  BAL.registo(linha_ano(ANO));
  for (const auto& t : TABELAS_BAL) tabela_balanco(BAL, t.titulo, B.*t.T, B.MESI, B.MESF);
}

// The year's block of the requirement report, and in a run of kind 2 the frequency file's decade rows.
void BLOCO_NRG(FicheiroEscrita& NRG, const BalancoAno& B, FicheiroEscrita* FRQ, TabelaAnos& RMATR, int32_t IIA) {
  NRG.registo("");
  for (int d = 1; d <= 3; ++d) {
    if (d == 1) NRG.registo(cabecalho(B.MESI, B.MESF));
    NRG.registo(linha(rotulo_decada(d), decada(B.NDEC, d), B.MESI, B.MESF));
    if (FRQ) DECADA_FRQ(*FRQ, d, B.NDEC, B.MESI, B.MESF, RMATR, IIA);
  }
  NRG.registo(linha_mensal(B.NDEC, B.MESI, B.MESF));  // SOM, the month's gross requirement
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
  BRUTAS(B.NDEC, EA);
  // The year's values are complete: none may reach the files as inf or nan.
  FINITOS(B.NDEC, ANO);
  for (const auto& t : TABELAS_BAL) FINITOS(B.*t.T, ANO);
  if (FRQ) ANO_FRQ(*FRQ, IIA, ANO, B.MESI, B.MESF);
  BLOCO_BAL(BAL, B, ANO);
  BLOCO_NRG(NRG, B, FRQ, RMATR, IIA);
}

void FECHA_RELATORIOS(FicheiroEscrita& NRG, FicheiroEscrita& BAL) {
  NRG.registo(" " + std::string(83, '-'));
  BAL.registo(" " + std::string(70, '-'));
}
