// The soil file (type "FRT"): the eleven soil and field-layout values, their one writer (the soil-file
// dialogue) and their one reader (the calculation run).
#pragma once
#include <string>

#include "tabela.h"

struct DadosSolo {
  float KV = 0, KX = 0;    // saturated hydraulic conductivity, vertical and horizontal (m/day)
  float POROS = 0;         // porosity (%)
  float U = 0;             // usable capacity (mm/m)
  float LZC = 0;           // depth of the compacted zone (m)
  float LLAV1 = 0;         // plough depth (m)
  float LA = 0;            // mean width of the bunds (m)
  float COMPV = 0;         // length of drainage ditch per hectare (m/ha)
  float COTAV = 0;         // level difference between the field and the bottom of the ditch (m)
  float HVAL = 0, TF = 0;  // water height in the ditch, depth of the water table (m)
};

// Where value I (1 to 11, in the order asked and stored) lives: its record, field width and decimals.
struct CampoSolo {
  float DadosSolo::*valor;
  int registo, w, d;
};
extern const Tabela<CampoSolo, 11> CAMPOS_SOLO;
constexpr int I_LZC = 5, I_LLAV1 = 6, I_LA = 7;

// Value I as the file keeps it (rounded to its field's decimals); false when it does not fit its field.
bool GUARDADO(int I, float valor, float& guardado);

// Seepage and percolation divide by LA and by LZC + LLAV1: both must be above 0.
inline bool MARACHAS_VALIDAS(float LA) { return LA > 0; }
inline bool ESPESSURA_VALIDA(float LZC, float LLAV1) { return LZC + LLAV1 > 0; }

// Writes the six records of the soil file of that code, replacing an existing one whole or not at all;
// returns its name as it stands on disk.
std::string ESCREVE_SOLO(const std::string& CODIGO, const DadosSolo& S);
// Reads the soil file of that code; throws ErroFicheiro (file, line, value) when it cannot be read as
// laid out or when LA or LZC + LLAV1 is not above 0.
void LE_SOLO(const std::string& CODIGO, DadosSolo& S);
