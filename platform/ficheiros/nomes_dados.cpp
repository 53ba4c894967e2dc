#include "nomes_dados.h"

#include "texto.h"

const std::string TIPO_CUL = "CUL", TIPO_FRT = "FRT", TIPO_PRE = "pre", TIPO_ET0 = "ET0", TIPO_NRG = "NRG",
                  TIPO_BAL = "BAL", TIPO_FRQ = "frq";

namespace {
const std::string TXT = ".txt";
}  // namespace

std::string nome_dados(const std::string& CODIGO, const std::string& tipo) { return apara(CODIGO) + "_" + tipo + TXT; }

std::string padrao_dados(const std::string& tipo) { return "*" + tipo + TXT; }
