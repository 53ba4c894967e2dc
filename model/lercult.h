// The crop file read for one simulated year and turned into its target-depth schedule.
#pragma once
#include <cstdint>
#include <string>

#include "tabela.h"

// The schedule of one year and the crop values the calculation needs. Break point k holds from season
// day NJU(k) the target depth LAMPED(k) (m), with origin A(k): 1 start of the season, 2 to 7 the six
// reference dates (2 sowing, 7 end of irrigation), above 7 a drainage start (7 + i for drainage i);
// a drainage end carries the origin of the break point before its start. The entries after NLAM hold
// day 0, depth 0 and origin 0.
struct CalendarioLaminas {
  int32_t NCICLO = 0;          // season day of the end of irrigation (season day 1 is sowing - 5)
  Tabela<int32_t, 100> NJU;    // break-point days
  Tabela<float, 25> LAMPED;    // break-point depths (m)
  Tabela<int32_t, 100> A;      // break-point origins
  int32_t NLAM = 0;            // number of break points
  int32_t DD = 0, MM = 0;      // calendar date of season day 1
  float TOL = 0;               // tolerance (%) on the maximum ponding depth
  int32_t INDK = 0;            // 1 constant crop coefficient, 2 monthly coefficients
  Tabela<float, 7> KC;         // monthly coefficients from MM1 to MM6; kept as they were when INDK is 1
  int32_t MM1 = 0, MM6 = 0;    // months of sowing and harvest
  std::string FICHEIRO;        // the crop file's name as it stands on disk, for the messages
};

// Reads the crop file named from CULTURA (the whole code) and "CUL" and builds the schedule of year ANO
// in C. Throws ErroFicheiro, naming the file, when it cannot be read or its contents are refused: a
// season that does not lie within the year, an end of irrigation before the sowing, a date before the
// start of the season.
void LERCULT(const std::string& CULTURA, int32_t ANO, CalendarioLaminas& C);

// Stable ascending bubble sort of the first N keys of X, with the same exchanges applied to A.
void ORDENA(Tabela<int32_t, 100>& X, Tabela<int32_t, 100>& A, int32_t N);
