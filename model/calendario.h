// Calendar conversions between a day and month of a given year and its day of the year (1 January is
// day 1). A leap year is one divisible by 4, centuries included.
#pragma once
#include <cstdint>

// Day of the year NDIA of day DIA of month MES in year ANO. The day is added as it stands, so 31 April
// is 1 May. A month outside 1 to 12 throws std::out_of_range (the callers refuse such months first).
void DATADIA(int32_t MES, int32_t DIA, int32_t ANO, int32_t& NDIA);

// Day DIA and month MES of day of the year NDIA in year ANO. A day outside the year throws
// std::out_of_range (no month holds it).
void DIADATA(int32_t NDIA, int32_t ANO, int32_t& DIA, int32_t& MES);

// The days of month MES (1 to 12) in year ANO: February has 29 when ANO is divisible by 4. A month outside
// 1 to 12 throws std::out_of_range.
int32_t DIAS_MES(int32_t MES, int32_t ANO);

// The last day that month MES (1 to 12, as DIAS_MES) has in some year, 29 for February: the bound of a
// date typed without its year.
int32_t ULTIMO_DIA(int32_t MES);
