// Fields of text records read by fixed columns (Iw, Fw.d, Aw) or in free form, from a file or from typed
// answers. Every read that fails throws ErroFicheiro with the file, the line and what was expected.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "erro.h"

// Where records come from: a file, or the keyboard for typed answers.
class FonteRegistos {
 public:
  virtual ~FonteRegistos() = default;
  // The next record and its number; false when there is none, numero then the number of the last record.
  virtual bool proximo(std::string& registo, int& numero) = 0;
  // Name shown in error messages ("" for typed answers).
  virtual std::string nome() const = 0;
};

// The fields of one record, read left to right by fixed columns.
class Campos {
 public:
  Campos(const std::string& registo, const std::string& ficheiro = "", int linha = 0);
  // Integer of w columns: blanks ignored, a blank field is 0.
  int32_t I(int w);
  // Real of w columns with d decimals: blanks ignored, a blank field is 0, without a decimal point the
  // last d digits are the decimals ("10" in F10.3 is 0.010); an exponent (E or D) may follow. A field
  // written with a decimal comma ("0,15") throws VirgulaDecimal.
  float F(int w, int d);
  // Text of w columns (blank-padded when the record is short).
  std::string A(int w);
  // Skips w columns.
  void X(int w);
  // Whether the last field read was blank (read as 0), so that a caller can tell a missing value from a 0.
  bool em_branco() const { return em_branco_; }

 private:
  std::string campo(int w);
  [[noreturn]] void falha(const std::string& esperado, const std::string& visto) const;
  std::string registo_, ficheiro_;
  int linha_;
  size_t pos_ = 0;
  bool em_branco_ = false;
};

// A number written with a decimal comma: a word with a comma between two digits and no decimal point
// ("0,10", read in free form as 0 and 10). valor is that word, as quoted; the message of a read of a whole
// number (inteiro) says that a whole number was expected.
class VirgulaDecimal : public ErroFicheiro {
 public:
  VirgulaDecimal(const std::string& ficheiro, int linha, const std::string& valor, bool inteiro = false);
};

// A source of records that ended before a read was satisfied; linha is its last record.
class FimDoFicheiro : public ErroFicheiro {
 public:
  using ErroFicheiro::ErroFicheiro;
};

// One free-form read of n values: separated by blanks, tabs or commas, taken from the next record on and
// going on to the following records while more are needed; the rest of the last record used is ignored.
// Records that hold more numbers than n, one word of them written with a decimal comma, throw
// VirgulaDecimal naming the record of that word; commas that separate values ("1.05,1.10") are read.
class Livre {
 public:
  explicit Livre(FonteRegistos& fonte, int n = 1) : fonte_(fonte), n_(n) {}
  float real();
  int32_t inteiro();

 private:
  std::string valor(bool inteiro);
  [[noreturn]] void falha(bool inteiro, const std::string& visto) const;
  FonteRegistos& fonte_;
  int n_;
  std::vector<std::string> valores_;
  size_t proximo_ = 0;
  int linha_ = 0;
  int numeros_ = 0;      // numbers on the records of this read so far
  std::string virgula_;  // the first word of them written with a decimal comma, and its record
  int linha_virgula_ = 0;
};

// Number parsing shared by both ways of reading; false when the text is not such a number.
bool le_real(const std::string& texto, int decimais, float& valor);
bool le_inteiro(const std::string& texto, int32_t& valor);

