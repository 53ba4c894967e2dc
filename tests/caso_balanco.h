// Small years of the daily balance built by hand: a schedule, the target depths of every sub-area
// (column J is column 1 delayed by J - 1 days), the weather by decade and the soil.
#pragma once
#include <initializer_list>

#include "balanco.h"

struct PontoCalendario {
  int dia;
  float lamina;
  int origem;
};

struct CasoBalanco {
  int ANO = 2001;
  CalendarioLaminas C;
  ParametrosAlagamento P;
  TabelaLaminas LAMP;
  TabelaDecadas ETP, PRE;
  DadosSolo S;
  float RU0 = 50, AREA = 0.1f;
  Tabela2<float, 12, 3> KCD;
  BalancoAno B;

  // Season of NCICLO days from DD/MM in ND sub-areas, NCANT of them leaving the window per day after it.
  CasoBalanco(int DD, int MM, int NCICLO, int ND, int NCANT, std::initializer_list<PontoCalendario> pontos) {
    C.DD = DD;
    C.MM = MM;
    C.NCICLO = NCICLO;
    C.INDK = 1;
    C.TOL = 10;
    for (const PontoCalendario& p : pontos) {
      ++C.NLAM;
      C.NJU(C.NLAM) = p.dia;
      C.LAMPED(C.NLAM) = p.lamina;
      C.A(C.NLAM) = p.origem;
    }
    P.ND = ND;
    P.NCANT = P.NDFIM = NCANT;
    for (int J = 1; J <= ND; ++J)
      for (int I = J; I <= J + NCICLO - 1; ++I) LAMP(I, J) = alvo(I - J + 1);
  }
  // The schedule's depth on a sub-area's own season day.
  float alvo(int dia) const {
    float l = 0;
    for (int k = 1; k <= C.NLAM; ++k)
      if (C.NJU(k) <= dia) l = C.LAMPED(k);
    return l;
  }
  void corre() { BALANCO("c_CUL.txt", ANO, C, P, LAMP, ETP, PRE, S, RU0, AREA, KCD, B); }
};

// The soil of the worked seepage example (KV 0.001, KX 0.01, DEN 0.5, LA 0.5, COMPV 100, COTAV 0.5,
// HVAL 0.1, water table at 2 m), with the pores and reserve of the worked flooding figures (SAT 112.5 mm).
inline DadosSolo solo_exemplo() {
  DadosSolo S;
  S.KV = 0.001f;
  S.KX = 0.01f;
  S.POROS = 45;
  S.U = 150;
  S.LZC = 0.3f;
  S.LLAV1 = 0.2f;
  S.LA = 0.5f;
  S.COMPV = 100;
  S.COTAV = 0.5f;
  S.HVAL = 0.1f;
  S.TF = 2;
  return S;
}

// The same soil without seepage nor percolation.
inline DadosSolo solo_estanque() {
  DadosSolo S = solo_exemplo();
  S.KV = S.KX = 0;
  return S;
}

// The small year worked out by hand: 2001, season day 1 on 25 May, 11 season days, 2 sub-areas, one
// leaving per day after the season (12 days simulated: 25 to 31 May in the third decade of May, 1 to 5
// June in the first of June). Land preparation 0.10 m, sowing on day 6 at 0.04 m (a "D" segment), 0.10 m
// from day 8, end of irrigation on day 11 at 0. ETo 5 mm/day in May and 6 in June, rain 10 mm/day in June
// only; no seepage (KX = 0), percolation HM = DEN + LAM; SAT = 80 + 15 = 95 mm, TOL 10 %.
inline CasoBalanco caso_pequeno() {
  CasoBalanco c(25, 5, 11, 2, 1, {{1, 0.10f, 1}, {6, 0.04f, 2}, {8, 0.10f, 3}, {11, 0.0f, 7}});
  c.ETP.preenche(99);
  c.PRE.preenche(99);
  c.ETP(3, 5) = 5;
  c.ETP(1, 6) = 6;
  c.PRE(3, 5) = 0;
  c.PRE(1, 6) = 10;
  c.S = solo_exemplo();
  c.S.KX = 0;
  c.S.POROS = 40;
  c.S.U = 100;
  c.RU0 = 50;
  return c;
}
