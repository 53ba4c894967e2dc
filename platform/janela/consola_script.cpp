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

bool na_grelha(int linha, int coluna) {
  return linha >= 1 && linha <= Grelha::LINHAS && coluna >= 1 && coluna <= Grelha::COLUNAS;
}

std::string linha_script(int n) { return "linha " + std::to_string(n) + " do script"; }

}  // namespace

int32_t cor_hex(const std::string& hex) {
  if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return -1;
  unsigned long v = std::stoul(hex, nullptr, 16);
  int32_t r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
  return r + 256 * g + 65536 * b;
}

ConsolaScript::ConsolaScript(const std::vector<std::string>& linhas, std::ostream& saida) : saida_(saida) {
  for (size_t i = 0; i < linhas.size(); ++i) {
    std::string s = linhas[i];
    if (!s.empty() && s.back() == '\r') s.pop_back();
    Linha l;
    bool bom = true;
    std::istringstream in;
    std::string lixo;
    if (s.empty() || s[0] == '#') {
      l.tipo = Linha::NADA;
    } else if (s == "show") {
      l.tipo = Linha::SHOW;
    } else if (s == "type" || comeca(s, "type ")) {
      l.tipo = Linha::ESCRITA;
      l.texto = s.size() > 5 ? de_utf8(s.substr(5)) : "";
    } else if (comeca(s, "click ") || comeca(s, "pixel ")) {
      l.tipo = Linha::CLIQUE;
      bom = dois_inteiros(s.substr(6), l.a, l.b, nullptr);
      l.clique = s[0] == 'p' ? Clique{l.a, l.b} : na_grelha(l.a, l.b) ? centro_da_celula(l.a, l.b) : Clique{-1, -1};
    } else if (comeca(s, "expect-colour ")) {
      l.tipo = Linha::EXPECT_COR;
      in.str(s.substr(14));
      bom = (in >> l.a >> l.b >> l.cor_texto >> l.cor_fundo) && !(in >> lixo) && na_grelha(l.a, l.b) &&
            cor_hex(l.cor_texto) >= 0 && cor_hex(l.cor_fundo) >= 0;
    } else if (comeca(s, "expect ")) {
      l.tipo = Linha::EXPECT;
      bom = dois_inteiros(s.substr(7), l.a, l.b, &l.texto) && na_grelha(l.a, l.b);
    } else {
      bom = false;
    }
    if (!bom) throw FimForcado{2, linha_script(i + 1) + ": não se percebe \"" + s + "\""};
    linhas_.push_back(l);
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

void ConsolaScript::confere(const Linha& l, int n) const {
  if (l.tipo == Linha::EXPECT_COR) {
    const Celula& c = grelha_.cel(l.a, l.b);
    if (c.texto == cor_hex(l.cor_texto) && c.fundo == cor_hex(l.cor_fundo)) return;
    char visto[40];
    snprintf(visto, sizeof visto, "%02X%02X%02X %02X%02X%02X", c.texto & 0xFF, (c.texto >> 8) & 0xFF,
             (c.texto >> 16) & 0xFF, c.fundo & 0xFF, (c.fundo >> 8) & 0xFF, (c.fundo >> 16) & 0xFF);
    para(4, linha_script(n) + ": esperava as cores " + l.cor_texto + " " + l.cor_fundo + " na linha " +
                std::to_string(l.a) + ", coluna " + std::to_string(l.b) + ", e estão " + visto);
  }
  // The text from that cell on, going on to the next rows.
  const std::string esperado = de_utf8(l.texto);
  std::string visto;
  for (int r = l.a, c = l.b; visto.size() < esperado.size() && r <= Grelha::LINHAS; ++c) {
    if (c > Grelha::COLUNAS) c = 1, ++r;
    if (r <= Grelha::LINHAS) visto += static_cast<char>(grelha_.cel(r, c).ch);
  }
  if (visto != esperado)
    para(4, linha_script(n) + ": esperava \"" + l.texto + "\" na linha " + std::to_string(l.a) + ", coluna " +
                std::to_string(l.b) + "; a linha tem:\n" + para_utf8(apara(grelha_.texto_linha(l.a))));
}

void ConsolaScript::confere_ate_evento() {
  for (; atual_ < linhas_.size(); ++atual_) {
    const Linha& l = linhas_[atual_];
    const int n = static_cast<int>(atual_ + 1);
    switch (l.tipo) {
      case Linha::NADA:
        break;
      case Linha::SHOW:
        saida_ << ecra();
        saida_.flush();
        break;
      case Linha::EXPECT:
      case Linha::EXPECT_COR:
        confere(l, n);
        break;
      case Linha::CLIQUE:
      case Linha::ESCRITA:
        return;
    }
  }
}

ConsolaScript::Evento ConsolaScript::proximo() {
  confere_ate_evento();
  if (atual_ == linhas_.size()) return Evento{};
  const Linha& l = linhas_[atual_];
  const int n = static_cast<int>(++atual_);
  if (l.tipo == Linha::CLIQUE) return Evento{Evento::CLIQUE, l.clique, "", n};
  return Evento{Evento::LINHA, Clique{}, l.texto, n};
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
