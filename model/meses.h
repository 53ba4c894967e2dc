// The month names of the report and frequency-file headers, three characters each.
#pragma once
#include <string>

#include "tabela.h"

extern const Tabela<std::string, 12> MES;
