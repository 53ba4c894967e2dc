#include "registos.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "cp1252.h"
#include "diretorias.h"
#include "temporarios.h"
#include "texto.h"

namespace {

bool digito(char c) { return c >= '0' && c <= '9'; }

std::string sem_brancos(const std::string& s) {
  std::string r;
  for (char c : s)
    if (c != ' ' && c != '\t') r += c;
  return r;
}

// A value as a message quotes it: a long one is cut, so that the file and line stay in sight.
std::string cita(const std::string& valor) {
  const size_t MAXIMO = 20;
  return "\"" + (valor.size() > MAXIMO ? valor.substr(0, MAXIMO) + "..." : valor) + "\"";
}

bool branco(char c) { return c == ' ' || c == '\t'; }

// The blank-delimited word of the record that holds a comma between two digits; empty when none does.
std::string virgula_decimal(const std::string& r) {
  for (size_t i = 1; i + 1 < r.size(); ++i) {
    if (r[i] != ',' || !digito(r[i - 1]) || !digito(r[i + 1])) continue;
    size_t inicio = i, fim = i;
    while (inicio > 0 && !branco(r[inicio - 1])) --inicio;
    while (fim < r.size() && !branco(r[fim])) ++fim;
    return r.substr(inicio, fim - inicio);
  }
  return "";
}

std::string colunas(size_t de, int w) {
  return w == 1 ? "na coluna " + std::to_string(de + 1)
                : "nas colunas " + std::to_string(de + 1) + "-" + std::to_string(de + w);
}

}  // namespace

bool le_inteiro(const std::string& texto, int32_t& valor) {
  size_t i = texto[0] == '+' || texto[0] == '-' ? 1 : 0;
  if (i == texto.size() || texto.size() > 12) return false;
  for (size_t k = i; k < texto.size(); ++k)
    if (!digito(texto[k])) return false;
  long long v = std::strtoll(texto.c_str(), nullptr, 10);
  if (v < INT32_MIN || v > INT32_MAX) return false;
  valor = static_cast<int32_t>(v);
  return true;
}

bool le_real(const std::string& texto, int decimais, float& valor) {
  size_t i = 0, n = texto.size();
  std::string sinal, inteira, fraccao, expoente;
  if (i < n && (texto[i] == '+' || texto[i] == '-')) sinal = texto[i++];
  while (i < n && digito(texto[i])) inteira += texto[i++];
  bool ponto = i < n && texto[i] == '.';
  if (ponto)
    for (++i; i < n && digito(texto[i]);) fraccao += texto[i++];
  if (inteira.empty() && fraccao.empty()) return false;
  if (i < n) {
    // An exponent: a letter E or D with an optional sign, or a sign alone, then digits.
    if (texto[i] == 'E' || texto[i] == 'e' || texto[i] == 'D' || texto[i] == 'd') ++i;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) expoente += texto[i++];
    size_t inicio = i;
    while (i < n && digito(texto[i])) expoente += texto[i++];
    if (i == inicio || i != n) return false;
  }
  if (!ponto && decimais > 0) {
    if (inteira.size() < static_cast<size_t>(decimais)) inteira.insert(0, decimais - inteira.size(), '0');
    fraccao = inteira.substr(inteira.size() - decimais);
    inteira.erase(inteira.size() - decimais);
  }
  std::string normal = sinal + (inteira.empty() ? "0" : inteira) + "." + fraccao;
  if (!expoente.empty()) normal += "e" + expoente;
  float v = std::strtof(normal.c_str(), nullptr);
  if (std::isinf(v)) return false;
  valor = v;
  return true;
}

VirgulaDecimal::VirgulaDecimal(const std::string& ficheiro, int linha, const std::string& valor)
    : ErroFicheiro(ficheiro, linha, valor + " tem vírgula decimal: use o ponto"_w) {}

Campos::Campos(const std::string& registo, const std::string& ficheiro, int linha)
    : registo_(registo), ficheiro_(ficheiro), linha_(linha) {}

std::string Campos::campo(int w) {
  std::string c = pos_ < registo_.size() ? registo_.substr(pos_, w) : "";
  c.resize(w, ' ');
  pos_ += w;
  return c;
}

void Campos::falha(const std::string& esperado, const std::string& visto) const {
  throw ErroFicheiro(ficheiro_, linha_, "esperava " + esperado + " e encontrou " + cita(visto));
}

int32_t Campos::I(int w) {
  size_t de = pos_;
  std::string c = campo(w), s = sem_brancos(c);
  int32_t v = 0;
  if (!s.empty() && !le_inteiro(s, v)) falha("um número inteiro "_w + colunas(de, w), c);
  return v;
}

float Campos::F(int w, int d) {
  size_t de = pos_;
  std::string c = campo(w), s = sem_brancos(c);
  float v = 0;
  if (!s.empty() && !le_real(s, d, v)) falha("um número "_w + colunas(de, w), c);
  return v;
}

std::string Campos::A(int w) { return campo(w); }

void Campos::X(int w) { pos_ += w; }

std::string Livre::valor(const std::string& esperado) {
  while (proximo_ == valores_.size()) {
    std::string r;
    if (!fonte_.proximo(r, linha_)) {
      linha_ = 0;
      falha(esperado, "o fim do ficheiro");
    }
    valores_.clear();
    proximo_ = 0;
    std::string v;
    float numero;
    for (char c : r + ' ') {
      if (branco(c) || c == ',') {
        if (!v.empty()) {
          valores_.push_back(v);
          if (le_real(v, 0, numero)) ++numeros_;
        }
        v.clear();
      } else {
        v += c;
      }
    }
    if (virgula_.empty()) {
      virgula_ = virgula_decimal(r);
      linha_virgula_ = linha_;
    }
    if (numeros_ > n_ && !virgula_.empty()) throw VirgulaDecimal(fonte_.nome(), linha_virgula_, cita(virgula_));
  }
  return valores_[proximo_++];
}

void Livre::falha(const std::string& esperado, const std::string& visto) const {
  throw ErroFicheiro(fonte_.nome(), linha_, "esperava " + esperado + " e encontrou " + visto);
}

float Livre::real() {
  std::string s = valor("um número"_w);
  float v = 0;
  if (!le_real(s, 0, v)) falha("um número"_w, cita(s));
  return v;
}

int32_t Livre::inteiro() {
  std::string s = valor("um número inteiro"_w);
  int32_t v = 0;
  if (!le_inteiro(s, v)) falha("um número inteiro"_w, cita(s));
  return v;
}

FicheiroLeitura::FicheiroLeitura(const std::string& nome) : nome_(nome) {
  std::ifstream f(para_utf8(nome), std::ios::binary);
  if (!f) throw ErroFicheiro(nome, 0, "não foi possível abrir o ficheiro"_w);
  std::string tudo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  // Read by LF, a file whose lines end in CR alone would be one long line.
  for (size_t i = 0; i + 1 < tudo.size(); ++i)
    if (tudo[i] == '\r' && tudo[i + 1] != '\n')
      throw ErroFicheiro(nome, 0, "as linhas acabam só em CR (grave-o com CR LF ou LF)"_w);
  size_t inicio = 0;
  while (inicio < tudo.size()) {
    size_t fim = tudo.find('\n', inicio);
    if (fim == std::string::npos) fim = tudo.size();
    std::string l = tudo.substr(inicio, fim - inicio);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    linhas_.push_back(l);
    inicio = fim + 1;
  }
}

bool FicheiroLeitura::proximo(std::string& registo, int& numero) {
  if (atual_ == linhas_.size()) return false;
  registo = linhas_[atual_++];
  numero = static_cast<int>(atual_);
  return true;
}

std::string FicheiroLeitura::registo(const std::string& esperado) {
  if (atual_ == linhas_.size())
    throw ErroFicheiro(nome_, 0, "o ficheiro acabou quando se esperava " + esperado);
  return linhas_[atual_++];
}

Campos FicheiroLeitura::campos(const std::string& esperado) {
  std::string r = registo(esperado);
  return Campos(r, nome_, static_cast<int>(atual_));
}

void FicheiroLeitura::recua() {
  if (atual_ > 0) --atual_;
}

std::string fI(int32_t valor, int w) {
  char buf[64];
  int n = snprintf(buf, sizeof buf, "%*d", w, valor);
  return n > w ? std::string(w, '*') : std::string(buf);
}

std::string fF(float valor, int w, int d) {
  char buf[512];
  int n = snprintf(buf, sizeof buf, "%*.*f", w, d, static_cast<double>(valor));
  return n > w || n < 0 ? std::string(w, '*') : std::string(buf);
}

std::string fA(const std::string& texto, int w) {
  size_t n = static_cast<size_t>(w);
  return texto.size() >= n ? texto.substr(0, n) : std::string(n - texto.size(), ' ') + texto;
}

std::string livre(float valor) {
  char buf[64];
  int p = 1;
  for (; p < 9; ++p) {
    snprintf(buf, sizeof buf, "%.*g", p, static_cast<double>(valor));
    if (std::strtof(buf, nullptr) == valor) break;
  }
  // Plain decimals for the sizes of the data; an exponent only for very large or very small values.
  double a = std::fabs(static_cast<double>(valor));
  if (valor == 0 || (a >= 1e-4 && a < 1e9)) {
    int casas = std::max(1, p - 1 - static_cast<int>(std::floor(std::log10(a > 0 ? a : 1))));
    snprintf(buf, sizeof buf, "%.*f", casas, static_cast<double>(valor));
  }
  return buf;
}

FicheiroEscrita::FicheiroEscrita(const std::string& nome) : nome_(nome) {
  size_t barra = nome.rfind('/');
  std::string pasta = barra == std::string::npos ? "" : nome.substr(0, barra + 1);
  std::string base = barra == std::string::npos ? nome : nome.substr(barra + 1);
  temporario_ = pasta + "." + base + "." + std::to_string(getpid()) + ".tmp";
  nota_ = nota_temporario(para_utf8(temporario_));
  f_.open(para_utf8(temporario_), std::ios::binary | std::ios::trunc);
  if (!f_) {
    esquece_temporario(nota_);
    throw ErroFicheiro(nome, 0, "não foi possível criar o ficheiro"_w);
  }
}

FicheiroEscrita::~FicheiroEscrita() {
  if (concluido_) return;
  f_.close();
  std::remove(para_utf8(temporario_).c_str());
  esquece_temporario(nota_);
}

void FicheiroEscrita::registo(const std::string& texto) { f_ << texto << "\r\n"; }

void FicheiroEscrita::fecha() {
  f_.close();
  if (f_.fail()) throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro"_w);
  if (existe_pasta(nome_))
    throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro (existe uma pasta com esse nome)"_w);
}

void FicheiroEscrita::poe_no_lugar() {
  if (std::rename(para_utf8(temporario_).c_str(), para_utf8(nome_).c_str()) != 0)
    throw ErroFicheiro(nome_, 0, "não foi possível escrever o ficheiro"_w);
  concluido_ = true;
  esquece_temporario(nota_);
}

void FicheiroEscrita::conclui() { conclui_juntos({this}); }

void conclui_juntos(const std::vector<FicheiroEscrita*>& ficheiros) {
  for (FicheiroEscrita* f : ficheiros) f->fecha();
  SinaisRetidos retidos;
  for (FicheiroEscrita* f : ficheiros) f->poe_no_lugar();
}
