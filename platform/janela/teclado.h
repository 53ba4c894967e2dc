// Typed answers as a source of records, so that a free-form answer reads like a file record
// (going on to the next typed line when a line holds too few values).
#pragma once
#include "registos.h"

class Teclado : public FonteRegistos {
 public:
  bool proximo(std::string& registo, int& numero) override;
  std::string nome() const override { return ""; }
};
