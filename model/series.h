// The ETo series (type "ET0") and the precipitation series (type "pre"): their headers, the years the
// two have in common, and the year-by-year reading of their blocks. Line 1 holds the type (1 monthly,
// 3 per decade), line 2 the number of years, line 3 the first year; then one line of twelve values per
// year (type 1), or per year a year line and three lines of twelve values, decades 1 to 3 (type 3).
#pragma once
#include <cstdint>
#include <string>

#include "registos.h"
#include "tabela.h"

// A series file open for the whole run, read forward from where the previous year left it.
struct SERIE {
  explicit SERIE(const std::string& nome) : F(nome) {}
  FicheiroLeitura F;
  int32_t ITIPO = 0, NUM_ANOS = 0, IANOI = 0, IANOF = 0;  // type, number of years, first and last year
  int32_t CONTADOR = 0;  // lines of values of a monthly file passed over or read in this run
};

// Reads the header and moves back one line, so that the year-by-year reading starts at line 3. Throws
// ErroFicheiro for a type other than 1 or 3 or a number of years below 1.
void LE_CABECALHO(SERIE& S);

// First and last year common to the two series; throws ErroFicheiro when they have none.
void PERIODO_COMUM(const SERIE& ET0, const SERIE& PRE, int32_t& IANO1, int32_t& IANO2);

// Finds the block of year ANO from the current position (ANOL: the year of each block met) and reads its
// ITIPO lines of twelve values into rows 1 to ITIPO of T. Throws ErroFicheiro naming the line and the
// year when the file ends before that block or a value cannot be read.
void LE_ANO(SERIE& S, int32_t ANO, Tabela2<float, 3, 12>& T, int32_t& ANOL);

// A monthly series holds one value per month: row 1 goes to the three decades of its month.
void REPETE_DECADAS(Tabela2<float, 3, 12>& T);
