#include "frequencia.h"

#include "convert_pre.h"
#include "finito.h"
#include "meses.h"
#include "nomes_dados.h"
#include "rotinas_minhas.h"

namespace {

const std::string TAB = "\t";

// A decade row: the decade, then each report month's value followed by a TAB.
std::string linha_decada(int32_t D, const TabelaDecadas& T, int32_t MESI, int32_t MESF) {
  std::string r = " " + std::to_string(D) + "º dec."_w + TAB;
  for (int m = MESI; m <= MESF; ++m) r += fF(T(D, m), 5, 1) + TAB;
  return r;
}

// The year of the p-th year of a run from ANOI, added so that it never passes the run's last year, which
// may be the largest one.
int32_t ano(int32_t ANOI, int32_t p) { return ANOI + (p - 1); }

}  // namespace

void CRIA_FRQ(std::optional<FicheiroEscrita>& FRQ, const std::string& SAIDA) {
  FRQ.emplace(nome_dados(SAIDA, TIPO_FRQ));
  FRQ->registo(" NECESSIDADES DECENDIAIS DE REGA (mm)");
}

void ANO_FRQ(FicheiroEscrita& FRQ, int32_t IIA, int32_t ANO, int32_t MESI, int32_t MESF) {
  if (IIA == 1) {
    std::string r = TAB;
    for (int m = MESI; m <= MESF; ++m) r += MES(m) + TAB;
    FRQ.registo(r);
  }
  FRQ.registo(" " + fI(ANO, 4));
}

void DECADA_FRQ(FicheiroEscrita& FRQ, int32_t D, const TabelaDecadas& NDEC, int32_t MESI, int32_t MESF,
                TabelaAnos& RMATR, int32_t IIA) {
  FRQ.registo(linha_decada(D, NDEC, MESI, MESF));
  for (int m = 1; m <= 12; ++m) RMATR(IIA)(D, m) = NDEC(D, m);
}

void ANALISE_FRQ(FicheiroEscrita& FRQ, const TabelaAnos& RMATR, int32_t IIA, int32_t ANOI, int32_t MESI,
                 int32_t MESF) {
  const int32_t n = IIA;
  TabelaDecadas MEDIA;
  for (int d = 1; d <= 3; ++d)
    for (int m = 1; m <= 12; ++m) {
      float SOMA = 0;
      for (int p = 1; p <= n; ++p) {
        SOMA = SOMA + RMATR(p)(d, m);
        FINITO(SOMA, ano(ANOI, p));
      }
      MEDIA(d, m) = SOMA / static_cast<float>(n);
    }
  FRQ.registo(" Ano médio"_w);
  for (int d = 1; d <= 3; ++d) FRQ.registo(linha_decada(d, MEDIA, MESI, MESF));

  Tabela<float, 100> VOLUME, CAUDAL_PONTA;
  Tabela<int32_t, 100> IPONTC, IPONTV;
  for (int p = 1; p <= n; ++p) {
    VOLUME(p) = 0;
    for (int d = 1; d <= 3; ++d)
      for (int m = 1; m <= 12; ++m) VOLUME(p) = VOLUME(p) + RMATR(p)(d, m);
    FINITO(VOLUME(p), ano(ANOI, p));
    // The peak is the largest mean daily requirement of a decade, over the decade's days in that year.
    TabelaDecadas DIARIO = RMATR(p);
    for (int R = 1; R <= 3; ++R) CONVERT_PRE(DIARIO, R, ano(ANOI, p), 3);
    CAUDAL_PONTA(p) = 0;
    for (int d = 1; d <= 3; ++d)
      for (int m = 1; m <= 12; ++m)
        if (DIARIO(d, m) > CAUDAL_PONTA(p)) CAUDAL_PONTA(p) = DIARIO(d, m);
  }
  ORDEMD(n, CAUDAL_PONTA, IPONTC);
  ORDEMD(n, VOLUME, IPONTV);

  FRQ.registo("");
  FRQ.registo("ANÁLISE FREQUENCIAL DAS NECESSIDADES DE REGA"_w);
  FRQ.registo("Frequência"_w + TAB + "Caudal fictício contínuo"_w + TAB + TAB + TAB + "Necessidades  anuais");
  FRQ.registo("(%)" + TAB + "(l/s/ha)" + TAB + "(mm/dia)" + TAB + "ano" + TAB + "(mm)" + TAB + "ano");
  for (int i = 1; i <= n; ++i) {
    // Weibull plotting position; 1 mm/day over a hectare is 10 m3 a day, about 0.115741 l/s.
    const float FREQ = (static_cast<float>(i) * 100) / static_cast<float>(n + 1);
    const float CAUDAL = CAUDAL_PONTA(i) * 0.115741f;
    FRQ.registo(fF(FREQ, 8, 1) + TAB + fF(CAUDAL, 8, 2) + TAB + fF(CAUDAL_PONTA(i), 8, 2) + TAB +
                fI(ano(ANOI, IPONTC(i)), 4) + TAB + fF(VOLUME(i), 8, 2) + TAB + fI(ano(ANOI, IPONTV(i)), 4));
  }
}
