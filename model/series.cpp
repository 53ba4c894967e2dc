#include "series.h"

#include "texto.h"

void LE_CABECALHO(SERIE& S) {
  S.ITIPO = S.F.livre().inteiro();
  if (S.ITIPO != 1 && S.ITIPO != 3)
    throw ErroFicheiro(S.F.nome(), S.F.linha(),
                       "tipo de série "_w + std::to_string(S.ITIPO) + " (tem de ser 1, mensal, ou 3, por decêndio)"_w);
  S.NUM_ANOS = S.F.livre().inteiro();
  if (S.NUM_ANOS < 1)
    throw ErroFicheiro(S.F.nome(), S.F.linha(), "o número de anos da série é "_w + std::to_string(S.NUM_ANOS) +
                                              " e tem de ser pelo menos 1");
  S.IANOI = S.F.livre().inteiro();
  // Years are whole numbers of 32 bits: the last one must be one too.
  const int64_t IANOF = int64_t{S.IANOI} + S.NUM_ANOS - 1;
  if (IANOF > INT32_MAX)
    throw ErroFicheiro(S.F.nome(), S.F.linha(), "o último ano da série passa de "_w + std::to_string(INT32_MAX));
  S.F.recua();
  S.IANOF = static_cast<int32_t>(IANOF);
}

void PERIODO_COMUM(const SERIE& ET0, const SERIE& PRE, int32_t& IANO1, int32_t& IANO2) {
  IANO1 = PRE.IANOI >= ET0.IANOI ? PRE.IANOI : ET0.IANOI;
  IANO2 = PRE.IANOF <= ET0.IANOF ? PRE.IANOF : ET0.IANOF;
  if (IANO1 > IANO2)
    throw ErroFicheiro("", 0, "as séries "_w + apara(ET0.F.nome()) + " e " + apara(PRE.F.nome()) +
                                  " não têm nenhum ano em comum"_w);
}

void LE_ANO(SERIE& S, int32_t ANO, Tabela2<float, 3, 12>& T, int32_t& ANOL) {
  const std::string ano = std::to_string(ANO);
  try {
    for (;;) {
      if (S.ITIPO == 3) {
        ANOL = S.F.livre().inteiro();
      } else {
        if (S.CONTADOR == 0) S.F.livre().inteiro();
        ANOL = S.IANOI + S.CONTADOR;
        S.CONTADOR = S.CONTADOR + 1;
      }
      if (ANOL == ANO) break;
      for (int I = 1; I <= S.ITIPO; ++I) S.F.salta("os valores de um ano");
    }
    for (int I = 1; I <= S.ITIPO; ++I) {
      Livre L = S.F.livre(12);
      for (int M = 1; M <= 12; ++M) T(I, M) = L.real();
    }
  } catch (const FimDoFicheiro& e) {
    throw ErroFicheiro(e.ficheiro, e.linha, "o ficheiro acaba antes dos valores do ano " + ano);
  } catch (const ErroFicheiro& e) {
    throw ErroFicheiro(e.ficheiro, e.linha, e.problema + " (ano " + ano + ")");
  }
}

void REPETE_DECADAS(Tabela2<float, 3, 12>& T) {
  for (int M = 1; M <= 12; ++M) {
    T(2, M) = T(1, M);
    T(3, M) = T(1, M);
  }
}
