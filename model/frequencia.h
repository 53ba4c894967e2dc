// The frequency file (type "frq") of a run over several years with the same irrigation data every year:
// the gross decade requirements of every year separated by TABs, the mean year, and the frequency
// analysis of the annual requirement and of the peak requirement.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "balanco.h"
#include "registos.h"
#include "tabela.h"

// RMATR(p)(d, m): the gross requirement (mm) of decade d of month m in the p-th year of the run.
using TabelaAnos = Tabela<TabelaDecadas, 100>;

// Year start of the first year (before the requirement report's year line): creates the file named
// from the output code SAIDA and writes its title.
void CRIA_FRQ(std::optional<FicheiroEscrita>& FRQ, const std::string& SAIDA);

// Year end, before the water-balance report's block: the month header of the report months MESI to
// MESF in the first year of the run (IIA = 1), then the year line.
void ANO_FRQ(FicheiroEscrita& FRQ, int32_t IIA, int32_t ANO, int32_t MESI, int32_t MESF);

// Year end, right after the requirement report's decade row D: the same gross values of NDEC as the
// file's row D, and all twelve months of decade D stored in RMATR(IIA).
void DECADA_FRQ(FicheiroEscrita& FRQ, int32_t D, const TabelaDecadas& NDEC, int32_t MESI, int32_t MESF,
                TabelaAnos& RMATR, int32_t IIA);

// End of the run, over the IIA years stored from the first year ANOI on: the mean year (in the report
// months MESI to MESF of the last year), then the analysis rows, the i-th smallest peak (as mm/day and
// as a continuous flow in l/s/ha) beside the i-th smallest annual requirement, each with its year.
// Throws ErroFicheiro naming the year whose values make a sum of the analysis infinite.
void ANALISE_FRQ(FicheiroEscrita& FRQ, const TabelaAnos& RMATR, int32_t IIA, int32_t ANOI, int32_t MESI,
                 int32_t MESF);
