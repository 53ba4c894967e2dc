// The data and result files of the data folder: a code and one of seven types make a name, CODE_TYPE.txt.
// How a name finds its entry on disk is nomes_disco's.
#pragma once
#include <string>

// The types: crop, soil, precipitation and ETo series (the last character a zero), requirement report,
// water-balance report, frequency file.
extern const std::string TIPO_CUL, TIPO_FRT, TIPO_PRE, TIPO_ET0, TIPO_NRG, TIPO_BAL, TIPO_FRQ;

// What a name adds to its code: "_", the three letters of the type and ".txt".
constexpr size_t SUFIXO_DADOS = 8;

// The name of the file of a code: the code without its trailing blanks, "_", the type, ".txt".
std::string nome_dados(const std::string& CODIGO, const std::string& tipo);
// The names of one type, as a wildcard pattern: "*", the type, ".txt".
std::string padrao_dados(const std::string& tipo);
