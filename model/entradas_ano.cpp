#include "entradas_ano.h"

#include "convert_pre.h"

void ENTRADAS_ANO(Calculo& C) {
  C.ETP.preenche(0);
  C.PRE.preenche(0);
  C.LAMP.preenche(0);
  C.CAL.NCICLO = 0;
  if (C.ILER == 1) C.ALAG.ND = 0;
  C.CAL.DD = 0;
  C.CAL.MM = 0;
  // Every year is computed for a block of 0.1 ha, on which a volume in m3 is a depth in mm.
  C.AREA = 0.1f;
  SERIE& ET0 = *C.SERIE_ET0;
  LE_ANO(ET0, C.ANO, C.ETP, C.ANOE);
  if (ET0.ITIPO == 1) REPETE_DECADAS(C.ETP);
  SERIE& PRE = *C.SERIE_PRE;
  LE_ANO(PRE, C.ANO, C.PRE, C.ANOP);
  for (int I = 1; I <= PRE.ITIPO; ++I) CONVERT_PRE(C.PRE, I, C.ANO, PRE.ITIPO);
  if (PRE.ITIPO == 1) REPETE_DECADAS(C.PRE);
  LAMINA1(C.COD.CULTURA, C.ANO, C.SOLO.LLAV1, C.SOLO.POROS, C.ILER, C.CAL, C.ALAG, C.LAMP);
}
