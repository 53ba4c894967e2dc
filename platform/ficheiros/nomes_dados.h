// The data and result files of the data folder: a code and one of seven types make a name, CODE_TYPE.txt,
// and a name finds the one entry of the folder it stands for, whatever the letter case of the entry.
#pragma once
#include <string>
#include <vector>

#include "erro.h"

// The types: crop, soil, precipitation and ETo series (the last character a zero), requirement report,
// water-balance report, frequency file.
extern const std::string TIPO_CUL, TIPO_FRT, TIPO_PRE, TIPO_ET0, TIPO_NRG, TIPO_BAL, TIPO_FRQ;

// What a name adds to its code: "_", the three letters of the type and ".txt".
constexpr size_t SUFIXO_DADOS = 8;

// The name of the file of a code: the code without its trailing blanks, "_", the type, ".txt".
std::string nome_dados(const std::string& CODIGO, const std::string& tipo);
// The names of one type, as a wildcard pattern: "*", the type, ".txt".
std::string padrao_dados(const std::string& tipo);

// The entry of the data folder (on disk) that a name stands for: the exact name; else the entry that reads
// as it (in Windows-1252 bytes); else, among the entries equal to it ignoring letter case, the one whose code
// is the same letter for letter (only the type and ".txt" in another case); else the one entry equal to it
// ignoring case. When nothing matches, the name as a new file bears it (UTF-8). Throws NomeAmbiguo when two
// entries stand for it at one of those steps.
std::string entrada_dados(const std::string& nome);

// A name that two entries of the data folder stand for: the program cannot tell which file is meant.
class NomeAmbiguo : public ErroFicheiro {
 public:
  NomeAmbiguo(const std::string& nome, const std::vector<std::string>& entradas);
  // The line that says so where the name is typed or chosen, naming the entries.
  std::string aviso;
};
