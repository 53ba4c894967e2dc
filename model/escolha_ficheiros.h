// The choice of a calculation's input files and of the code of its result files (option 3).
#pragma once
#include <string>

#include "calculo.h"

// The chooser of the files of type EXT when INPUT_NOME is "?" (any other value is returned unchanged):
// INPUT_NOME becomes its result, blank-padded to 98 characters. The result carries over to the next call,
// also of a later run; before the first one it is "", which names no file. IERR = 1 when no file of the
// type exists (nothing was chosen). AVISO, when given, is a row above the chooser's prompt.
void MOSTRA_FIC(std::string& INPUT_NOME, const std::string& EXT, int& IERR, const std::string& AVISO = "");

// Why the code names no existing data file of that type in the data folder, on one row; empty when it
// names one. A code holding "/" would name a file elsewhere and names none; "" is no code chosen yet.
// Throws NomeAmbiguo when two files answer to its name.
std::string FALTA_DADOS(const std::string& CODIGO, const std::string& tipo);

// The four choosers (precipitation, ETo, soil, crop), each shown again until its code names one file
// (after a line that says so when two answer to it), the summary, the output code and the confirmation,
// whose "N" chooses all four again. False when the run goes back to the initial menu: "0" where it names no file (IERR = 1), or no file of a type.
bool ESCOLHE_FICHEIROS(CodigosCalculo& COD, int& IERR);
