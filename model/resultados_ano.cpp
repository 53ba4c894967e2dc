#include "resultados_ano.h"

// Until the balance and the reports are built the result files hold their title lines only.
void BALANCO_ANO(Calculo&) {}
void FECHO_RELATORIOS(Calculo&) {}
void ANALISE_FREQUENCIAL(Calculo&) {}
