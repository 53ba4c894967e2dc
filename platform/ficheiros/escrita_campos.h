// Numbers and texts written as the fixed columns and free-form values of text records.
#pragma once
#include <cstdint>
#include <string>

// Fixed-column writing, as C's "%w.df" and "%wd" write: nearest, exact ties to even, -0.0 kept;
// w asterisks when the value does not fit.
std::string fI(int32_t valor, int w);
std::string fF(float valor, int w, int d);
// Text in w columns: cut to w, or right-justified when shorter.
std::string fA(const std::string& texto, int w);
// A real as a free-form value: the shortest text with a decimal point that reads back to the same value.
std::string livre(float valor);

