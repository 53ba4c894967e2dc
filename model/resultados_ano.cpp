#include "resultados_ano.h"

#include "consola.h"
#include "relatorios.h"

void BALANCO_ANO(Calculo& C) {
  ANO_NRG(*C.RES.NRG, C.ANO);
  if (C.ISEQUE_CONST == 2) C.IIA = C.IIA + 1;
  BALANCO(C.CAL.FICHEIRO, C.ANO, C.CAL, C.ALAG, C.LAMP, C.ETP, C.PRE, C.SOLO, C.RU0, C.AREA, C.KCD, C.B);
  FIM_ANO(*C.RES.NRG, *C.RES.BAL, C.B, C.EA, C.ANO, C.RES.FRQ ? &*C.RES.FRQ : nullptr, C.RMATR, C.IIA);
  qw::escreve("");  // the year's end on the screen
}

void FECHO_RELATORIOS(Calculo& C) { FECHA_RELATORIOS(*C.RES.NRG, *C.RES.BAL); }

void ANALISE_FREQUENCIAL(Calculo& C) { ANALISE_FRQ(*C.RES.FRQ, C.RMATR, C.IIA, C.ANO_INICIAL, C.B.MESI, C.B.MESF); }
