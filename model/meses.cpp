#include "meses.h"

const Tabela<std::string, 12> MES = {
    {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"}};
