#include "balanco.h"

#include <string>

#include "calendario.h"
#include "coefcult.h"
#include "erro.h"

namespace {

void limpa(BalancoAno& B) {
  for (TabelaLaminas* t : {&B.LAM, &B.PH, &B.PV}) t->preenche(0);
  for (TabelaDia* t : {&B.PHA, &B.PVA, &B.NH}) t->preenche(0);
  for (TabelaDecadas* t : {&B.NDEC, &B.PVD, &B.PHD, &B.ESUPD, &B.PD, &B.ETD}) t->preenche(0);
}

}  // namespace

bool CALENDARIO(int32_t ANO, int32_t& IDIA, int32_t& IMES, int32_t& IDEC) {
  if (IDIA / 10.0f <= 1.0f)
    IDEC = 1;
  else if (IDIA / 10.0f <= 2.0f)
    IDEC = 2;
  else
    IDEC = 3;
  if (IDIA <= DIAS_MES(IMES, ANO)) return true;
  if (IMES == 12) return false;
  IMES = IMES + 1;
  IDIA = 1;
  IDEC = 1;
  return true;
}

char DRENAGEM(const CalendarioLaminas& C, int32_t DIA) {
  for (int K = 1; K <= C.NLAM; ++K)
    if (C.NJU(K) <= DIA && DIA < C.NJU(K + 1)) return C.A(K) > 7 || C.A(K) == 2 ? 'D' : 'N';
  return 'N';
}

void EXCEDENTE(float NEC, float TOL, float AREA, int32_t ND, const TabelaLaminas& LAMP, TabelaLaminas& LAM,
               int32_t I, int32_t J, float& ESC) {
  const float LAMR = LAM(I, J) - ((NEC * ND) / (AREA * 10000));
  if (LAMR > LAMP(I + 1, J)) {
    const float EXC = LAMR - (((TOL / 100) + 1) * LAM(I + 1, J));
    if (EXC > 0) {
      ESC = (((EXC * AREA) / ND) * 10000);
      LAM(I + 1, J) = ((TOL / 100) + 1) * LAM(I + 1, J);
    } else {
      LAM(I + 1, J) = LAMR;
    }
  }
}

void BALANCO(const std::string& NOME_CUL, int32_t ANO, const CalendarioLaminas& C, const ParametrosAlagamento& P,
             const TabelaLaminas& LAMP, const TabelaDecadas& ETP, const TabelaDecadas& PRE, const DadosSolo& S,
             float RU0, float AREA, Tabela2<float, 12, 3>& KCD, BalancoAno& B) {
  limpa(B);
  const int32_t ND = P.ND, NCICLO = C.NCICLO;
  const int32_t NDIAS = P.NDFIM + NCICLO;
  for (int I = 1; I <= ND + NCICLO; ++I)
    for (int J = 1; J <= ND; ++J) B.LAM(I, J) = LAMP(I, J);
  const float SAT = ((S.POROS * S.LLAV1) * 10) + (((1 - RU0 / 100) * S.U) * S.LZC);
  float VF = ((AREA / ND) * 10) * ((1000 * B.LAM(1, 1)) + SAT);
  int32_t JINI = 1, IDIA = C.DD, IMES = C.MM, IDEC = 0;
  if (C.INDK == 1) KCD.preenche(1.0f);
  B.MESI = IMES;
  // The classification depends on the sub-area's own season day only: once per day of the year.
  Tabela<char, 200> DRENA;
  for (int DIA = 1; DIA <= NDIAS; ++DIA) DRENA(DIA) = DRENAGEM(C, DIA);
  float ESCT = 0;
  for (int I = 1; I <= NDIAS; ++I) {
    // No month follows December: the season and the days to finish the irrigation must end within the year.
    if (!CALENDARIO(ANO, IDIA, IMES, IDEC))
      throw ErroFicheiro(NOME_CUL, 0,
                         "a rega de " + std::to_string(ANO) + " passa de 31 de dezembro (dias para a terminar: " +
                             std::to_string(P.NDFIM) + ")");
    COEFCULT(C.INDK, C.MM1, C.MM6, C.KC, IMES, IDEC, IDIA, KCD);
    int32_t JFIM;
    if (I > ND) {
      JFIM = ND;
      VF = 0;
    } else {
      JFIM = I - 1;
    }
    int32_t NCONT = 0;
    if (I > NCICLO) {
      JINI = JINI + P.NCANT;
      NCONT = ND - JINI + 1;
      if (NCONT < 1) NCONT = 1;
    }
    float ETOA, PREA;
    if (I <= NCICLO) {
      ETOA = (AREA * ETP(IDEC, IMES)) * 10;
      PREA = (AREA * PRE(IDEC, IMES)) * 10;
    } else {
      ETOA = (((AREA / ND) * NCONT) * ETP(IDEC, IMES)) * 10;
      PREA = (((AREA / ND) * NCONT) * PRE(IDEC, IMES)) * 10;
    }
    float SNEC = 0, NSECA = 0;
    for (int J = JFIM; J >= JINI; --J) {
      const float ETC = (((AREA / ND) * ETP(IDEC, IMES)) * 10) * KCD(IMES, IDEC);
      const float PRC = ((AREA / ND) * PRE(IDEC, IMES)) * 10;
      float ESC, NEC;
      if (DRENA(I - J + 1) == 'D') {
        B.LAM(I, J) = LAMP(I, J);
        PERCOL(S, B.LAM, AREA, ND, B.PHA, B.PVA, B.PH, B.PV, I, J);
        ESC = (((B.LAM(I - 1, J) - B.LAM(I, J)) * AREA) / ND) * 10000;
        NEC = 0;
      } else {
        PERCOL(S, B.LAM, AREA, ND, B.PHA, B.PVA, B.PH, B.PV, I, J);
        ESC = 0;
        if (LAMP(I, J) < LAMP(I - 1, J) && B.LAM(I, J) < B.LAM(I - 1, J))
          ESC = (((B.LAM(I - 1, J) - B.LAM(I, J)) * AREA) / ND) * 10000;
        const float DEF = B.LAM(I - 1, J) < LAMP(I, J) ? LAMP(I, J) - B.LAM(I - 1, J) : 0;
        NEC = ((((B.PH(I, J) + B.PV(I, J)) + ETC) - PRC) + (((DEF * AREA) / ND) * 10000));
        if (NEC < 0) {
          EXCEDENTE(NEC, C.TOL, AREA, ND, LAMP, B.LAM, I, J, ESC);
          NEC = 0;
        }
      }
      ESCT = ESCT + ESC;
      SNEC = SNEC + NEC;
      // The sub-areas not yet flooded lose 0.4 of the crop evapotranspiration and receive the rain.
      if (I < ND) NSECA = ((ETC * 0.4f) - PRC) * static_cast<float>(ND - JFIM);
    }
    B.NH(I) = (SNEC + VF) + NSECA;
    if (B.NH(I) < 0) B.NH(I) = 0;
    B.NDEC(IDEC, IMES) += B.NH(I);
    B.PHD(IDEC, IMES) += B.PHA(I);
    B.PVD(IDEC, IMES) += B.PVA(I);
    B.ESUPD(IDEC, IMES) += ESCT;
    B.ETD(IDEC, IMES) += ETOA;
    B.PD(IDEC, IMES) += PREA;
    IDIA = IDIA + 1;
    ESCT = 0;
  }
  B.MESF = IMES;
}
