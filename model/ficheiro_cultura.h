// The crop file (type "CUL"): the one definition of its records, shared by the crop-file dialogue,
// which writes it, and LERCULT, which reads it.
#pragma once
#include <cstdint>
#include <string>

#include "tabela.h"

// The values of one crop file.
struct DadosCultura {
  int32_t NFASES = 6;                    // reference dates; always 6
  Tabela<int32_t, 6> DDFASE, MMFASE;     // start of phases A to F (DD1..DD6, MM1..MM6); A sowing, F harvest
  float LAM0 = 0;                        // initial ponding depth for land preparation (m)
  Tabela<int32_t, 6> DDF, MMF;           // reference dates: 1 sowing ... 6 end of irrigation
  Tabela<float, 6> LAMF;                 // target depth (m) from each reference date on
  char RESPDREN = 'N';                   // drainage answer: "S" or "s" means a drainage block
  int32_t NDREN = 0;                     // drainages, 0 to 9
  Tabela<int32_t, 10> DDREN, MDREN;      // start of each drainage
  Tabela<float, 10> LAMDREN;             // depth kept during it (m)
  Tabela<int32_t, 10> DIASDREN;          // its duration (days)
  float TOL = 0;                         // tolerance (%) on the maximum ponding depth
  int32_t INDK = 1;                      // 1 constant coefficient 1.00, 2 monthly coefficients
  Tabela<float, 7> KC;                   // monthly coefficients from MMFASE(1) to MMFASE(6)
  char SEP = '/';                        // separator of the phase and drainage dates
};

// Whether a depth or coefficient fits its field of 6 columns with 3 decimals, and a duration its 2 columns:
// only then does the file read back.
bool cabe_lamina(float valor);
bool cabe_duracao(int32_t valor);
// Whether a month indexes the tables of 12 months.
bool mes_valido(int32_t MES);
// Whether monthly coefficients can run from the sowing month to the harvest month: both months valid,
// the harvest not before the sowing and at most 7 months (the 7 coefficients) from one to the other.
bool meses_coeficientes(int32_t MM1, int32_t MM6);
// The number of monthly coefficients, one per month from the sowing month to the harvest month.
inline int32_t NKC(const DadosCultura& D) { return D.MMFASE(6) - D.MMFASE(1) + 1; }

// Writes the crop file named nome, replacing the file of that name whole or not at all; returns its name
// as it stands on disk.
std::string ESCREVE_CULTURA(const std::string& nome, const DadosCultura& D);
// Reads the crop file named nome into D (KC only when INDK is 2). Throws ErroFicheiro naming the file
// when it is missing, ends early, holds a field that cannot be read, or holds values the calculation
// cannot use: a count of reference dates other than 6, a month outside 1 to 12, more than 9 drainages,
// an option other than 1 or 2, or monthly coefficients over months that meses_coeficientes refuses.
// Returns the file's name as it stands on disk.
std::string LE_CULTURA(const std::string& nome, DadosCultura& D);
