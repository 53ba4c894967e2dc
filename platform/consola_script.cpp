#include "consola_script.h"

#include <cstdio>
#include <sstream>

#include "caixa_fim.h"
#include "cp1252.h"
#include "texto.h"

namespace {

bool comeca(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

// "ROW COL REST": two integers and what follows the single blank after the second.
bool dois_inteiros(const std::string& s, int& a, int& b, std::string* resto) {
  std::istringstream in(s);
  if (!(in >> a >> b)) return false;
  if (!resto) {
    std::string lixo;
    return !(in >> lixo);
  }
  std::streamoff p = in.tellg();
  if (p < 0 || static_cast<size_t>(p) >= s.size() || s[p] != ' ') return false;
  *resto = s.substr(p + 1);
  return true;
}

bool na_grelha(const Clique& c) {
  return c.x >= 0 && c.y >= 0 && c.x < Grelha::COLUNAS * Grelha::LARGURA_CEL &&
         c.y < Grelha::LINHAS * Grelha::ALTURA_CEL;
}

std::string linha_script(int n) { return "linha " + std::to_string(n) + " do script"; }

}  // namespace

int32_t cor_hex(const std::string& hex) {
  if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return -1;
  unsigned long v = std::stoul(hex, nullptr, 16);
  int32_t r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
  return r + 256 * g + 65536 * b;
}

ConsolaScript::ConsolaScript(const std::vector<std::string>& linhas, std::ostream& saida)
    : linhas_(linhas), saida_(saida) {
  for (size_t i = 0; i < linhas_.size(); ++i) {
    std::string& s = linhas_[i];
    if (!s.empty() && s.back() == '\r') s.pop_back();
    int a, b;
    std::string resto;
    bool bom = s.empty() || s[0] == '#' || s == "show" || s == "type" || comeca(s, "type ") ||
               (comeca(s, "click ") && dois_inteiros(s.substr(6), a, b, nullptr)) ||
               (comeca(s, "pixel ") && dois_inteiros(s.substr(6), a, b, nullptr)) ||
               (comeca(s, "expect ") && dois_inteiros(s.substr(7), a, b, &resto) && a >= 1 &&
                a <= Grelha::LINHAS && b >= 1 && b <= Grelha::COLUNAS);
    if (comeca(s, "expect-colour ")) {
      std::istringstream in(s.substr(14));
      std::string t, f, lixo;
      bom = (in >> a >> b >> t >> f) && !(in >> lixo) && a >= 1 && a <= Grelha::LINHAS && b >= 1 &&
            b <= Grelha::COLUNAS && cor_hex(t) >= 0 && cor_hex(f) >= 0;
    }
    if (!bom) throw FimForcado{2, linha_script(i + 1) + ": não se percebe \"" + s + "\""};
  }
}

std::string ConsolaScript::ecra() const {
  std::string r;
  for (int l = 1; l <= Grelha::LINHAS; ++l) r += para_utf8(apara(grelha_.texto_linha(l))) + "\n";
  return r + "----\n";
}

void ConsolaScript::para(int estado, const std::string& mensagem) const {
  throw FimForcado{estado, mensagem + "\n" + ecra()};
}

ConsolaScript::Evento ConsolaScript::proximo() {
  while (atual_ < linhas_.size()) {
    const std::string& s = linhas_[atual_];
    int n = static_cast<int>(++atual_);
    int a = 0, b = 0;
    std::string resto;
    if (s.empty() || s[0] == '#') continue;
    if (s == "show") {
      saida_ << ecra();
      saida_.flush();
    } else if (comeca(s, "expect-colour ")) {
      std::istringstream in(s.substr(14));
      std::string t, f;
      in >> a >> b >> t >> f;
      const Celula& c = grelha_.cel(a, b);
      if (c.texto != cor_hex(t) || c.fundo != cor_hex(f)) {
        char visto[40];
        snprintf(visto, sizeof visto, "%02X%02X%02X %02X%02X%02X", c.texto & 0xFF, (c.texto >> 8) & 0xFF,
                 (c.texto >> 16) & 0xFF, c.fundo & 0xFF, (c.fundo >> 8) & 0xFF, (c.fundo >> 16) & 0xFF);
        para(4, linha_script(n) + ": esperava as cores " + t + " " + f + " na linha " + std::to_string(a) +
                    ", coluna " + std::to_string(b) + ", e estão " + visto);
      }
    } else if (comeca(s, "expect ")) {
      dois_inteiros(s.substr(7), a, b, &resto);
      std::string esperado = de_utf8(resto);
      std::string visto;
      for (int l = a, c = b; visto.size() < esperado.size() && l <= Grelha::LINHAS; ++c) {
        if (c > Grelha::COLUNAS) c = 1, ++l;
        if (l <= Grelha::LINHAS) visto += static_cast<char>(grelha_.cel(l, c).ch);
      }
      if (visto != esperado)
        para(4, linha_script(n) + ": esperava \"" + resto + "\" na linha " + std::to_string(a) + ", coluna " +
                    std::to_string(b) + "; a linha tem:\n" + para_utf8(apara(grelha_.texto_linha(a))));
    } else if (comeca(s, "click ") || comeca(s, "pixel ")) {
      dois_inteiros(s.substr(6), a, b, nullptr);
      Evento e;
      e.tipo = Evento::CLIQUE;
      e.clique = s[0] == 'c' ? centro_da_celula(a, b) : Clique{a, b};
      e.linha = n;
      if (s[0] == 'c' && (a < 1 || a > Grelha::LINHAS || b < 1 || b > Grelha::COLUNAS)) e.clique = Clique{-1, -1};
      return e;
    } else {
      Evento e;
      e.tipo = Evento::LINHA;
      e.texto = s.size() > 5 ? de_utf8(s.substr(5)) : "";
      e.linha = n;
      return e;
    }
  }
  return Evento{};
}

std::string ConsolaScript::eco(const std::string& texto) {
  grelha_.escreve(texto);
  grelha_.nova_linha();
  return texto;
}

Clique ConsolaScript::espera_clique() {
  for (;;) {
    Evento e = proximo();
    if (e.tipo == Evento::NENHUM) para(3, "o script acabou quando o programa esperava um clique");
    if (e.tipo == Evento::LINHA)
      para(3, linha_script(e.linha) + ": o programa esperava um clique e o script escreve uma linha");
    if (na_grelha(e.clique)) return e.clique;  // a press outside the grid is ignored, as in the terminal
  }
}

std::string ConsolaScript::le_linha() {
  Evento e = proximo();
  if (e.tipo == Evento::NENHUM) para(3, "o script acabou quando o programa esperava uma linha escrita");
  if (e.tipo == Evento::CLIQUE)
    para(3, linha_script(e.linha) + ": o programa esperava uma linha escrita e o script dá um clique");
  return eco(e.texto);
}

Resposta ConsolaScript::espera_qualquer() {
  for (;;) {
    Evento e = proximo();
    if (e.tipo == Evento::NENHUM) para(3, "o script acabou quando o programa esperava <ENTER> ou um clique");
    Resposta r;
    if (e.tipo == Evento::LINHA) {
      r.linha = eco(e.texto);
      return r;
    }
    if (na_grelha(e.clique)) {
      r.clique = true;
      r.onde = e.clique;
      return r;
    }
  }
}

bool ConsolaScript::caixa_fim(const std::string&) {
  Evento e = proximo();
  if (e.tipo == Evento::LINHA) return e.texto.size() == 1 && caixa_fim::tecla(e.texto[0]) == 1;
  if (e.tipo == Evento::CLIQUE && e.clique.x >= 0)
    return caixa_fim::botao(e.clique.y / Grelha::ALTURA_CEL + 1, e.clique.x / Grelha::LARGURA_CEL + 1) == 1;
  return false;
}
