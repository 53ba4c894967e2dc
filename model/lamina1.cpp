#include "lamina1.h"

#include "erro.h"
#include "rotinas_minhas.h"

void LAMINA1(const std::string& CULTURA, int32_t ANO, float LLAV1, float POROS, int32_t ILER, CalendarioLaminas& C,
             ParametrosAlagamento& P, TabelaLaminas& LAM) {
  LERCULT(CULTURA, ANO, C);
  if (ILER == 1) {
    if (!CABE_NA_TABELA(C.NCICLO, 1)) throw ErroFicheiro(C.FICHEIRO, 0, EXCEDE_TABELA(C.NCICLO, 1));
    ALAGAMENTO(C, LLAV1, POROS, P);
  } else {
    if (P.ALEF == '2') P.ND = ND_CAUDAL(C.LAMPED(1), LLAV1, POROS, P.CAUDAL, P.HORAS);
    // Nothing can be asked again in this year: a season that no longer fits stops the run.
    if (!CABE_NA_TABELA(C.NCICLO, P.ND)) throw ErroFicheiro(C.FICHEIRO, 0, EXCEDE_TABELA(C.NCICLO, P.ND));
  }
  TABELA_LAMP(C, P.ND, LAM);
}

// Column 1 passes on, day by day, every break point whose day has come, in the order of the list (so a
// drainage end placed after a later break point is passed over on its day); the other columns are
// column 1 moved down one day per sub-area.
void TABELA_LAMP(const CalendarioLaminas& C, int32_t ND, TabelaLaminas& LAM) {
  int32_t K = 1;
  for (int32_t I = 1; I <= C.NCICLO; ++I) {
    while (K != C.NLAM && C.NJU(K + 1) <= I) ++K;
    LAM(I, 1) = C.LAMPED(K);
  }
  for (int32_t I = C.NCICLO + 1; I <= C.NCICLO + ND; ++I) LAM(I, 1) = 0;
  for (int32_t J = 2; J <= ND; ++J)
    for (int32_t I = 1; I <= C.NCICLO + ND; ++I) LAM(I, J) = I < J || I > J + C.NCICLO ? 0 : LAM(I - 1, J - 1);
}
