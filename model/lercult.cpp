#include "lercult.h"

#include "calendario.h"
#include "erro.h"
#include "ficheiro_cultura.h"
#include "nomes_dados.h"
#include "registos.h"
#include "rotinas_minhas.h"

namespace {

std::string data(int32_t DIA, int32_t MES) { return fI(DIA, 2) + "/" + fI(MES, 2); }

}  // namespace

void ORDENA(Tabela<int32_t, 100>& X, Tabela<int32_t, 100>& A, int32_t N) {
  for (int I = 1; I <= N - 1; ++I) {
    for (int J = 2; J <= N - I + 1; ++J) {
      if (X(J) < X(J - 1)) {
        std::swap(X(J), X(J - 1));
        std::swap(A(J), A(J - 1));
      }
    }
  }
}

void LERCULT(const std::string& CULTURA, int32_t ANO, CalendarioLaminas& C) {
  // The name from the whole code, whatever its length.
  DadosCultura D;
  const std::string nome = C.FICHEIRO = LE_CULTURA(nome_dados(CULTURA, TIPO_CUL), D);
  const int32_t NFASES = D.NFASES, NDREN = D.NDREN;
  auto& NJU = C.NJU;
  auto& A = C.A;
  auto& LAMPED = C.LAMPED;

  // Depth by origin: the start of the season, the reference dates, then the drainages.
  Tabela<float, 30> LAMFASE;
  LAMFASE(1) = D.LAM0;
  for (int I = 1; I <= NFASES; ++I) LAMFASE(I + 1) = D.LAMF(I);

  A(1) = 1;
  for (int I = 1; I <= NFASES; ++I) {
    DATADIA(D.MMF(I), D.DDF(I), ANO, NJU(I + 1));
    A(I + 1) = I + 1;
  }
  int32_t NDIA1 = NJU(2) - 5;
  int32_t DIAS_ANO = 0;
  DATADIA(12, 31, ANO, DIAS_ANO);
  if (NDIA1 < 1 || NDIA1 > DIAS_ANO)
    throw ErroFicheiro(nome, 0, "sementeira a " + data(D.DDF(1), D.MMF(1)) +
                                    ": o início da época, 5 dias antes, cai fora do ano "_w + std::to_string(ANO));
  DIADATA(NDIA1, ANO, C.DD, C.MM);
  // No month follows December: a season that ends after it cannot be computed.
  if (NJU(NFASES + 1) > DIAS_ANO)
    throw ErroFicheiro(nome, 0, "o fim da rega (" + data(D.DDF(NFASES), D.MMF(NFASES)) +
                                    ") cai depois de 31 de dezembro de " + std::to_string(ANO));
  if (NJU(NFASES + 1) < NJU(2))
    throw ErroFicheiro(nome, 0, "o fim da rega (" + data(D.DDF(NFASES), D.MMF(NFASES)) +
                                    ") vem antes da sementeira (" + data(D.DDF(1), D.MMF(1)) + ")");
  C.NCICLO = NJU(NFASES + 1) - NDIA1 + 1;
  for (int I = 1; I <= NDREN; ++I) {
    DATADIA(D.MDREN(I), D.DDREN(I), ANO, NJU(NFASES + 1 + I));
    A(NFASES + 1 + I) = NFASES + 1 + I;
    LAMFASE(NFASES + 1 + I) = D.LAMDREN(I);
  }
  const int32_t NSUB = NFASES + NDREN + 1;
  NJU(1) = 1;
  for (int K = 2; K <= NSUB; ++K) {
    NJU(K) = NJU(K) - NDIA1 + 1;
    // Such a date would come before the start of the season and outside the daily tables.
    if (NJU(K) < 1) {
      int32_t I = A(K) - 1;
      std::string qual = I <= NFASES ? "a data de referência "_w + std::to_string(I) + " (" +
                                           data(D.DDF(I), D.MMF(I)) + ")"
                                     : "a drenagem " + std::to_string(I - NFASES) + " (" +
                                           data(D.DDREN(I - NFASES), D.MDREN(I - NFASES)) + ")";
      throw ErroFicheiro(nome, 0, qual + " vem antes do início da época ("_w + data(C.DD, C.MM) + ")");
    }
  }
  ORDENA(NJU, A, NSUB);
  for (int K = 1; K <= NSUB; ++K) LAMPED(K) = LAMFASE(A(K));

  // Each drainage start is followed by its end, back at the depth and origin of the entry before it.
  int32_t N = NSUB;
  for (int K = 2; K <= N; ++K) {
    if (A(K) <= 7) continue;
    for (int J = N; J >= K + 1; --J) {
      NJU(J + 1) = NJU(J);
      LAMPED(J + 1) = LAMPED(J);
      A(J + 1) = A(J);
    }
    NJU(K + 1) = NJU(K) + D.DIASDREN(A(K) - 7);
    LAMPED(K + 1) = LAMPED(K - 1);
    A(K + 1) = A(K - 1);
    ++N;
    ++K;
  }

  // A break point that keeps the depth in force adds nothing.
  int32_t M = 1;
  for (int K = 2; K <= N; ++K) {
    if (LAMPED(K) == LAMPED(M)) continue;
    ++M;
    NJU(M) = NJU(K);
    LAMPED(M) = LAMPED(K);
    A(M) = A(K);
  }
  C.NLAM = M;
  for (int K = M + 1; K <= 100; ++K) {
    NJU(K) = 0;
    A(K) = 0;
    if (K <= 25) LAMPED(K) = 0;
  }

  C.TOL = D.TOL;
  C.INDK = D.INDK;
  C.MM1 = D.MMFASE(1);
  C.MM6 = D.MMFASE(6);
  if (D.INDK == 2)
    for (int K = 1; K <= NKC(D); ++K) C.KC(K) = D.KC(K);
}
