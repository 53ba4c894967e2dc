#include "ficheiro_leitura.h"

#include <fstream>
#include <iterator>

#include "cp1252.h"
#include "nomes_disco.h"
#include "texto.h"

namespace {
const std::string MARCA_UTF8 = "\xEF\xBB\xBF";
}  // namespace

FicheiroLeitura::FicheiroLeitura(const std::string& nome) {
  const std::string disco = no_disco(nome);
  nome_ = de_utf8(disco);
  std::ifstream f(disco, std::ios::binary);
  if (!f) throw ErroFicheiro(nome_, 0, "não foi possível abrir o ficheiro"_w);
  std::string tudo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (tudo.compare(0, MARCA_UTF8.size(), MARCA_UTF8) == 0) tudo = de_utf8(tudo.substr(MARCA_UTF8.size()));
  // Read by LF, a file whose lines end in CR alone would be one long line.
  const size_t cr = tudo.find('\r');
  if (tudo.find('\n') == std::string::npos && cr != std::string::npos && cr + 1 < tudo.size())
    throw ErroFicheiro(nome_, 0, "as linhas acabam só em CR (grave-o com CR LF ou LF)"_w);
  size_t inicio = 0;
  while (inicio < tudo.size()) {
    size_t fim = tudo.find('\n', inicio);
    if (fim == std::string::npos) fim = tudo.size();
    std::string l = tudo.substr(inicio, fim - inicio);
    // The CRs right before the LF, or at the end of the file, belong to the line end. To every editor any
    // other CR ends a line too, and this record would be two lines there: the file is refused.
    while (!l.empty() && l.back() == '\r') l.pop_back();
    linhas_.push_back(l);
    if (l.find('\r') != std::string::npos)
      throw ErroFicheiro(nome_, static_cast<int>(linhas_.size()),
                         "a linha acaba só em CR (grave o ficheiro com CR LF ou LF)"_w);
    inicio = fim + 1;
  }
}

bool FicheiroLeitura::proximo(std::string& registo, int& numero) {
  const bool ha = atual_ < linhas_.size();
  if (ha) registo = linhas_[atual_++];
  numero = linha();
  return ha;
}

std::string FicheiroLeitura::registo(const std::string& esperado) {
  if (atual_ == linhas_.size())
    throw FimDoFicheiro(nome_, linha(), "o ficheiro acabou quando se esperava " + esperado);
  return linhas_[atual_++];
}

Campos FicheiroLeitura::campos(const std::string& esperado) {
  std::string r = registo(esperado);
  return Campos(r, nome_, linha());
}

void FicheiroLeitura::recua() {
  if (atual_ > 0) --atual_;
}
