// The years of a calculation run: one year, a range or all the years common to the two series.
#pragma once
#include <cstdint>

// Most years a run with the same irrigation data every year can hold (the frequency analysis).
constexpr int32_t MAX_ANOS_FREQUENCIA = 100;

// Over the common period IANO1 to IANO2, IANO1 <= IANO2 (on a cleared screen): ANO, the first year, and
// ANOF, the last; ISEQUE_CONST 0 for one year (no question when the period is one year), else 1 or 2 from
// M_MENU_REGA_CONST. Years that are not numbers are refused with one line and asked again; a year outside
// the period, or a range that begins before it, after it or ends after it, asks the question again. A
// range whose last year comes before its first computes its first year alone.
void ESCOLHE_ANOS(int32_t IANO1, int32_t IANO2, int32_t& ANO, int32_t& ANOF, int32_t& ISEQUE_CONST);
