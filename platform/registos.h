// Text record files: read by fixed columns (Iw, Fw.d, Aw) or in free form, written by fixed columns.
// Records are lines, written with CR LF and read with CR LF or LF; the text is Windows-1252.
// Every read that fails throws ErroFicheiro with the file, the line and what was expected.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "erro.h"

// Where records come from: a file, or the keyboard for typed answers.
class FonteRegistos {
 public:
  virtual ~FonteRegistos() = default;
  // The next record and its number; false when there is none.
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
  // last d digits are the decimals ("10" in F10.3 is 0.010); an exponent (E or D) may follow.
  float F(int w, int d);
  // Text of w columns (blank-padded when the record is short).
  std::string A(int w);
  // Skips w columns.
  void X(int w);

 private:
  std::string campo(int w);
  [[noreturn]] void falha(const std::string& esperado, const std::string& visto) const;
  std::string registo_, ficheiro_;
  int linha_;
  size_t pos_ = 0;
};

// A read whose records hold more numbers than it takes, one of them with a comma between two digits: the
// numbers were written with decimal commas ("0,10" read as 0 and 10). valor is that number, as quoted.
class VirgulaDecimal : public ErroFicheiro {
 public:
  VirgulaDecimal(const std::string& ficheiro, int linha, const std::string& valor);
};

// One free-form read of n values: separated by blanks, tabs or commas, taken from the next record on and
// going on to the following records while more are needed; the rest of the last record used is ignored.
// Records that hold more numbers than n, one of them with a comma between two digits, throw VirgulaDecimal
// naming the record with the comma.
class Livre {
 public:
  explicit Livre(FonteRegistos& fonte, int n = 1) : fonte_(fonte), n_(n) {}
  float real();
  int32_t inteiro();

 private:
  std::string valor(const std::string& esperado);
  [[noreturn]] void falha(const std::string& esperado, const std::string& visto) const;
  FonteRegistos& fonte_;
  int n_;
  std::vector<std::string> valores_;
  size_t proximo_ = 0;
  int linha_ = 0;
  int numeros_ = 0;      // numbers on the records of this read so far
  std::string virgula_;  // the first word of them with a comma between two digits, and its record
  int linha_virgula_ = 0;
};

// Number parsing shared by both ways of reading; false when the text is not such a number.
bool le_real(const std::string& texto, int decimais, float& valor);
bool le_inteiro(const std::string& texto, int32_t& valor);

// A text file opened for reading, whole, by its name in the current directory.
class FicheiroLeitura : public FonteRegistos {
 public:
  // Throws ErroFicheiro when the file cannot be opened or its lines end in CR alone.
  explicit FicheiroLeitura(const std::string& nome);
  bool proximo(std::string& registo, int& numero) override;
  std::string nome() const override { return nome_; }
  // The next record; throws when the file has ended (esperado says what the read wanted).
  std::string registo(const std::string& esperado);
  // The next record as fixed fields.
  Campos campos(const std::string& esperado);
  // A free-form read of n values from the next record on.
  Livre livre(int n = 1) { return Livre(*this, n); }
  // Back by one record, so that the next read takes the last one again.
  void recua();
  // Skips one record (it must be there).
  void salta(const std::string& esperado) { registo(esperado); }

 private:
  std::string nome_;
  std::vector<std::string> linhas_;
  size_t atual_ = 0;
};

// Fixed-column writing, as C's "%w.df" and "%wd" write: nearest, exact ties to even, -0.0 kept;
// w asterisks when the value does not fit.
std::string fI(int32_t valor, int w);
std::string fF(float valor, int w, int d);
// Text in w columns: cut to w, or right-justified when shorter.
std::string fA(const std::string& texto, int w);
// A real as a free-form value: the shortest text with a decimal point that reads back to the same value.
std::string livre(float valor);

// A text file written anew: records go to a hidden temporary file in the same folder, renamed over the
// file once closed and checked; a file never put in place is removed, and the old one stays as it was.
// The temporary file is noted, so that a signal that ends the program removes it too.
class FicheiroEscrita {
 public:
  // Throws ErroFicheiro when the temporary file cannot be created.
  explicit FicheiroEscrita(const std::string& nome);
  ~FicheiroEscrita();
  FicheiroEscrita(const FicheiroEscrita&) = delete;
  FicheiroEscrita& operator=(const FicheiroEscrita&) = delete;
  void registo(const std::string& texto);
  // Puts this file alone in place, as conclui_juntos does.
  void conclui();
  const std::string& nome() const { return nome_; }

 private:
  friend void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros);
  // Closes the temporary file and checks that it was written whole and that it can replace what stands
  // at the name (a folder cannot be replaced); throws ErroFicheiro otherwise.
  void fecha();
  // Renames it over the file; throws ErroFicheiro when that fails.
  void poe_no_lugar();
  std::string nome_, temporario_;
  int nota_ = 0;
  std::ofstream f_;
  bool concluido_ = false;
};

// Puts files in place as one set: every one is closed and checked before any is renamed, then they are
// renamed one right after another while the signals that end the program wait. Throws ErroFicheiro
// naming the file that cannot be written; when a check fails, none is renamed.
void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros);
