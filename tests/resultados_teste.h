// The result files of a run written in a test folder and read back as lines.
#pragma once
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "pasta_temporaria.h"
#include "registos.h"

// The records of a file written with CR LF.
inline std::vector<std::string> registos(const std::string& nome) {
  std::vector<std::string> r;
  std::string bytes = le(nome);
  for (size_t p = 0; p < bytes.size();) {
    size_t fim = bytes.find("\r\n", p);
    r.push_back(bytes.substr(p, fim - p));
    p = fim + 2;
  }
  return r;
}

// The three result files of a run in a fresh data folder; conclui() puts them in place.
struct ResultadosTeste {
  PastaTemporaria pasta;
  FicheiroEscrita NRG{"x_NRG.txt"}, BAL{"x_BAL.txt"};
  std::optional<FicheiroEscrita> FRQ;
  void conclui() {
    NRG.conclui();
    BAL.conclui();
    if (FRQ) FRQ->conclui();
  }
};
