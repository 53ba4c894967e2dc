#include "consola.h"

#include <cstring>

namespace {
Consola* atual = nullptr;
}

Clique centro_da_celula(int linha, int coluna) {
  return Clique{(coluna - 1) * Grelha::LARGURA_CEL + 4, (linha - 1) * Grelha::ALTURA_CEL + 8};
}

Consola& consola() { return *atual; }
void usa_consola(Consola* c) { atual = c; }

namespace qw {

namespace {
// A size of 0 or -1 asks for the framework's own; a size larger than the grid cannot be applied and is
// replaced by the grid's, so that applying the same record again succeeds.
bool ajusta(int16_t& valor, int16_t maximo) {
  if (valor <= 0) {
    valor = maximo;
    return true;
  }
  if (valor > maximo) {
    valor = maximo;
    return false;
  }
  return true;
}
}  // namespace

bool f_setwindowconfig(windowconfig& wc) {
  bool aplicado = ajusta(wc.numxpixels, Grelha::COLUNAS * Grelha::LARGURA_CEL);
  aplicado = ajusta(wc.numypixels, Grelha::LINHAS * Grelha::ALTURA_CEL) && aplicado;
  aplicado = ajusta(wc.numtextcols, Grelha::COLUNAS) && aplicado;
  aplicado = ajusta(wc.numtextrows, Grelha::LINHAS) && aplicado;
  consola().config = wc;
  consola().titulo(std::string(wc.title, strnlen(wc.title, sizeof wc.title)));
  return aplicado;
}

namespace {
// The colour setters return the colour they replace.
int32_t troca(int32_t& atual, int32_t cor) {
  int32_t antes = atual;
  atual = cor;
  return antes;
}
}  // namespace

int32_t setcolorrgb(int32_t cor) { return troca(consola().grelha().cor_desenho, cor); }
int32_t settextcolorrgb(int32_t cor) { return troca(consola().grelha().cor_texto, cor); }
int32_t setbkcolorrgb(int32_t cor) { return troca(consola().grelha().cor_fundo, cor); }

int FQdisplaycursor(int mostra) {
  int antes = consola().grelha().cursor ? 1 : 0;
  consola().grelha().cursor = mostra != 0;
  return antes;
}

// One text window and no frame menus here: focus, tiling and the window list have nothing to do.
void FOCUSQQ() {}
void QWINMenuClick(int) {}
void menu_janelas(int) {}

// The whole screen (0) and the text window (2) are the same grid.
void FQclearscreen(int) { consola().grelha().limpa(); }

void fq_settextposition(int linha, int coluna) { consola().grelha().posicao(linha, coluna); }

void fq_outtext(const std::string& texto) { consola().grelha().escreve(texto); }

void waitonmouseeventqq(int, int& keystate, int& x, int& y) {
  Clique c = consola().espera_clique();
  keystate = 1;
  x = c.x;
  y = c.y;
}

void escreve(const std::string& registo) {
  consola().grelha().escreve(registo);
  consola().grelha().fim_registo();
}

void pergunta(const std::string& texto) { consola().grelha().escreve(texto); }

std::string le_linha() { return consola().le_linha(); }

Resposta espera_qualquer() { return consola().espera_qualquer(); }

}  // namespace qw
