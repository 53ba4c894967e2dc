// A text file read as records, one per line. A line ends at LF; CRs right before it (CR LF, CR CR LF) or at
// the end of the file belong to the line end. The text is Windows-1252, or UTF-8 after the UTF-8 mark. The
// reader counts the lines that every message names.
#pragma once
#include <string>
#include <vector>

#include "leitura_campos.h"

// A text file opened for reading, whole, by its name in the current directory (found as no_disco finds it).
class FicheiroLeitura : public FonteRegistos {
 public:
  // Throws ErroFicheiro when the file cannot be opened, when its lines end in CR alone (CR and no LF, a CR
  // before its last character), or, naming its line, when a CR stands elsewhere than right before an LF
  // (alone or among other CRs) or at the end of the file. A file that starts with the UTF-8 mark (EF BB BF)
  // is read as the same file without it, its text turned from UTF-8 into Windows-1252.
  // nome() is then the file's name as it stands on disk (Windows-1252), as messages name it.
  explicit FicheiroLeitura(const std::string& nome);
  bool proximo(std::string& registo, int& numero) override;
  std::string nome() const override { return nome_; }
  // The number of the last record given (0 before the first; after recua, the one before it).
  int linha() const { return static_cast<int>(atual_); }
  // The next record; throws FimDoFicheiro when the file has ended (esperado says what the read wanted).
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

