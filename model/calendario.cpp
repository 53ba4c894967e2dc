#include "calendario.h"

#include <stdexcept>

#include "tabela.h"

namespace {

// The month lengths of year ANO, January first.
Tabela<int32_t, 12> meses(int32_t ANO) {
  Tabela<int32_t, 12> T;
  T.v = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  T(2) = ANO % 4 == 0 ? 29 : 28;
  return T;
}

// A year whose February has 29 days.
const int32_t BISSEXTO = 4;

}  // namespace

int32_t DIAS_MES(int32_t MES, int32_t ANO) { return meses(ANO)(MES); }

int32_t ULTIMO_DIA(int32_t MES) { return DIAS_MES(MES, BISSEXTO); }

void DATADIA(int32_t MES, int32_t DIA, int32_t ANO, int32_t& NDIA) {
  if (MES < 1 || MES > 12) throw std::out_of_range("DATADIA: mes fora de 1 a 12");
  Tabela<int32_t, 12> NDIAMES = meses(ANO);
  NDIA = DIA;
  for (int K = MES - 1; K >= 1; --K) NDIA += NDIAMES(K);
}

void DIADATA(int32_t NDIA, int32_t ANO, int32_t& DIA, int32_t& MES) {
  Tabela<int32_t, 12> DIAMES = meses(ANO);
  Tabela<int32_t, 13> C;
  C(1) = 0;
  for (int K = 2; K <= 13; ++K) C(K) = C(K - 1) + DIAMES(K - 1);
  for (int K = 1; K <= 12; ++K) {
    if (C(K) < NDIA && NDIA <= C(K + 1)) {
      DIA = NDIA - C(K);
      MES = K;
      return;
    }
  }
  throw std::out_of_range("DIADATA: dia fora do ano");
}
