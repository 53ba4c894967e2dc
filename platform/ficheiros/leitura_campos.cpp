#include "leitura_campos.h"

#include <cmath>
#include <cstdlib>

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

// The first blank-delimited word of the record written with a decimal comma: a comma between two digits
// and no decimal point ("0,10", not "1.05,1.10"); empty when no word is.
std::string virgula_decimal(const std::string& r) {
  for (size_t inicio = 0, fim = 0; inicio < r.size(); inicio = fim + 1) {
    fim = inicio;
    while (fim < r.size() && !branco(r[fim])) ++fim;
    std::string p = r.substr(inicio, fim - inicio);
    if (p.find('.') != std::string::npos) continue;
    for (size_t i = 1; i + 1 < p.size(); ++i)
      if (p[i] == ',' && digito(p[i - 1]) && digito(p[i + 1])) return p;
  }
  return "";
}

// What a read expects, as its messages name it.
std::string um_numero(bool inteiro) { return inteiro ? "um número inteiro"_w : "um número"_w; }

std::string esperava(const std::string& esperado, const std::string& visto) {
  return "esperava " + esperado + " e encontrou " + visto;
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

// A whole number has no decimals to write otherwise: its message says what it takes.
VirgulaDecimal::VirgulaDecimal(const std::string& ficheiro, int linha, const std::string& valor, bool inteiro)
    : ErroFicheiro(ficheiro, linha,
                   inteiro ? esperava(um_numero(true), valor) : valor + " tem vírgula decimal: use o ponto"_w) {}

Campos::Campos(const std::string& registo, const std::string& ficheiro, int linha)
    : registo_(registo), ficheiro_(ficheiro), linha_(linha) {}

std::string Campos::campo(int w) {
  std::string c = pos_ < registo_.size() ? registo_.substr(pos_, w) : "";
  c.resize(w, ' ');
  pos_ += w;
  em_branco_ = sem_brancos(c).empty();
  return c;
}

void Campos::falha(const std::string& esperado, const std::string& visto) const {
  throw ErroFicheiro(ficheiro_, linha_, esperava(esperado, cita(visto)));
}

int32_t Campos::I(int w) {
  size_t de = pos_;
  std::string c = campo(w), s = sem_brancos(c);
  int32_t v = 0;
  if (!s.empty() && !le_inteiro(s, v)) falha(um_numero(true) + " " + colunas(de, w), c);
  return v;
}

float Campos::F(int w, int d) {
  size_t de = pos_;
  std::string c = campo(w), s = sem_brancos(c);
  float v = 0;
  if (s.empty() || le_real(s, d, v)) return v;
  std::string virgula = virgula_decimal(c);
  if (!virgula.empty()) throw VirgulaDecimal(ficheiro_, linha_, cita(virgula));
  falha(um_numero(false) + " " + colunas(de, w), c);
}

std::string Campos::A(int w) { return campo(w); }

void Campos::X(int w) { pos_ += w; }

std::string Livre::valor(bool inteiro) {
  while (proximo_ == valores_.size()) {
    std::string r;
    if (!fonte_.proximo(r, linha_))
      throw FimDoFicheiro(fonte_.nome(), linha_, esperava(um_numero(inteiro), "o fim do ficheiro"));
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
    if (numeros_ > n_ && !virgula_.empty())
      throw VirgulaDecimal(fonte_.nome(), linha_virgula_, cita(virgula_), inteiro);
  }
  return valores_[proximo_++];
}

void Livre::falha(bool inteiro, const std::string& visto) const {
  throw ErroFicheiro(fonte_.nome(), linha_, esperava(um_numero(inteiro), visto));
}

float Livre::real() {
  std::string s = valor(false);
  float v = 0;
  if (!le_real(s, 0, v)) falha(false, cita(s));
  return v;
}

int32_t Livre::inteiro() {
  std::string s = valor(true);
  int32_t v = 0;
  if (!le_inteiro(s, v)) falha(true, cita(s));
  return v;
}

