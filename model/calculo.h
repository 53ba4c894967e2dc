// The state of one calculation run (option 3), from the choice of its files to the closing screen. The
// year's balance and reports read and write it; everything here is set anew at the start of every run.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "balanco.h"
#include "ficheiro_solo.h"
#include "frequencia.h"
#include "lamina1.h"
#include "lercult.h"
#include "registos.h"
#include "series.h"
#include "tabela.h"

// The codes of the run, 98 characters each, blank-padded: the four input files and the result files.
struct CodigosCalculo {
  std::string PRE, ET0, SOLO, CULTURA, SAIDA;
};

// The result files of the run, under temporary names until the end of the run puts them in place
// together: a run that stops on an error leaves the files of an earlier run as they were.
struct ResultadosCalculo {
  std::optional<FicheiroEscrita> NRG, BAL, FRQ;  // requirement report, water-balance report, frequency file
};

struct Calculo {
  CodigosCalculo COD;
  DadosSolo SOLO;                        // read once, before the first year
  std::optional<SERIE> SERIE_ET0, SERIE_PRE;  // open from their headers to the end of the run
  ResultadosCalculo RES;
  int32_t IANO1 = 0, IANO2 = 0;          // the common period of the two series
  int32_t ANO = 0, ANOF = 0;             // the year being computed and the last year of the run
  int32_t ANO_INICIAL = 0;               // the first year of the run (position 1 of the frequency analysis)
  int32_t ISEQUE_CONST = 0;              // 0 one year, 1 several with data varying, 2 several with the same data
  int32_t ILER = 0;                      // 1 when this year's answers and flooding parameters are asked
  bool FRQ_CRIADO = false;               // the frequency-file mark: set in the first year of a run of kind 2
  int32_t IIA = 0;                       // years stored for the frequency analysis
  float AREA = 0;                        // block area typed (ha); 0.1 during the year's computation
  float RU0 = 0, EA = 0;                 // usable reserve filled at the start, accidental losses (%)
  // The year of the block last found in each series: the search's own, which nothing reads after it.
  int32_t ANOE = 0, ANOP = 0;
  CalendarioLaminas CAL;                 // the crop's schedule of the year
  ParametrosAlagamento ALAG;             // flooding parameters, kept from year to year
  Tabela2<float, 3, 12> ETP, PRE;        // the year's ETo and rain by decade and month, mm/day
  TabelaLaminas LAMP;                    // the year's target depth by season day and sub-area (m)
  Tabela2<float, 12, 3> KCD;             // crop coefficient by month and decade, never cleared
  BalancoAno B;                          // the year's balance; its report months serve the analysis
  TabelaAnos RMATR;                      // gross decade needs of each year of a run of kind 2
};
