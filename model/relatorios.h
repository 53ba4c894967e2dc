// The requirement report (type "NRG") and the water-balance report (type "BAL") of a calculation run:
// the irrigation requirement and four components of the balance of every simulated year by decade and
// month, in mm over the block.
#pragma once
#include <cstdint>
#include <string>

#include "balanco.h"
#include "frequencia.h"
#include "registos.h"

// Opening of the run, once the output code is known: the creation lines of the requirement report
// (its title and the first 10 characters of the four input codes) and the title of the water-balance
// report.
void ABRE_RELATORIOS(FicheiroEscrita& NRG, FicheiroEscrita& BAL, const std::string& CULTURA, const std::string& SOLO,
                     const std::string& ET0, const std::string& PRE);

// Year start, before the first day of the balance (after the frequency file is created when due): the
// year line of the requirement report.
void ANO_NRG(FicheiroEscrita& NRG, int32_t ANO);

// Year end, after the daily balance B of year ANO: NDEC made gross (divided by 1 - EA/100), the
// water-balance report's block and the requirement report's block. FRQ is the frequency file in a run
// of kind 2 (nullptr otherwise): it receives the year's header and rows, and RMATR(IIA) the gross values.
// Throws ErroFicheiro naming the year, before writing anything, when a value of the blocks or a monthly
// sum is not finite.
void FIM_ANO(FicheiroEscrita& NRG, FicheiroEscrita& BAL, BalancoAno& B, float EA, int32_t ANO, FicheiroEscrita* FRQ,
             TabelaAnos& RMATR, int32_t IIA);

// After the last year: the closing lines of both reports.
void FECHA_RELATORIOS(FicheiroEscrita& NRG, FicheiroEscrita& BAL);
