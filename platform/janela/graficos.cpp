#include "graficos.h"

#include <cmath>
#include <cstring>

#include "consola.h"

namespace {

// The drawing area is the 800 x 500 pixel window that the presentation asks for; what lies below the
// grid's 480 pixels is drawn on its last row.
constexpr double LARGURA = 800, ALTURA = 500;

// The coordinate system and the drawing position of one window.
struct Vista {
  bool y_para_cima = false;
  double x1 = 0, y1 = 0, x2 = LARGURA, y2 = ALTURA;
  qw::wxycoord posicao;
};

}  // namespace

struct EstadoGraficos {
  Vista vista;
  bool aberta = false;  // a child window
  int unidade = 0;
  // The text window under the child window.
  Grelha grelha;
  windowconfig config;
  Vista vista_mae;
};

namespace qw {

namespace {

EstadoGraficos& estado() {
  std::shared_ptr<EstadoGraficos>& g = consola().graficos;
  if (!g) g = std::make_shared<EstadoGraficos>();
  return *g;
}

// v as a cell number from 1 to maximo: a value outside that range, or no number, gives the nearest end.
int limita(double v, int maximo) { return v >= maximo ? maximo : v >= 1 ? static_cast<int>(v) : 1; }

}  // namespace

int initializefonts() { return 1; }

int f_setfont(const std::string&) { return 1; }

int32_t f_getgtextextent(const std::string& texto) {
  return static_cast<int32_t>(texto.size()) * Grelha::LARGURA_CEL;
}

bool setwindow(bool y_para_cima, double x1, double y1, double x2, double y2) {
  if (x1 == x2 || y1 == y2) return false;
  Vista& v = estado().vista;
  v.y_para_cima = y_para_cima;
  v.x1 = x1, v.y1 = y1, v.x2 = x2, v.y2 = y2;
  return true;
}

wxycoord f_moveto_w(double x, double y) {
  wxycoord& p = estado().vista.posicao;
  wxycoord antes = p;
  p = wxycoord{x, y};
  return antes;
}

void f_outgtext(const std::string& texto) {
  Vista& v = estado().vista;
  double px = (v.posicao.wx - v.x1) * LARGURA / (v.x2 - v.x1);
  double py = (v.y_para_cima ? v.y2 - v.posicao.wy : v.posicao.wy - v.y1) * ALTURA / (v.y2 - v.y1);
  Grelha& g = consola().grelha();
  g.desenha(limita(std::floor(py / Grelha::ALTURA_CEL) + 1, Grelha::LINHAS),
            limita(std::floor(px / Grelha::LARGURA_CEL) + 1, Grelha::COLUNAS), texto, g.cor_desenho);
  v.posicao.wx += f_getgtextextent(texto) * (v.x2 - v.x1) / LARGURA;
}

void abre_janela(int unidade, const std::string& titulo) {
  EstadoGraficos& e = estado();
  if (e.aberta) return;
  e.aberta = true;
  e.unidade = unidade;
  e.grelha = consola().grelha();
  e.config = consola().config;
  e.vista_mae = e.vista;
  e.vista = Vista{};
  consola().grelha().limpa();
  consola().titulo(titulo);
  consola().mostra();
}

void fecha_janela(int unidade) {
  EstadoGraficos& e = estado();
  if (!e.aberta || e.unidade != unidade) return;
  e.aberta = false;
  consola().grelha() = e.grelha;
  consola().config = e.config;
  e.vista = e.vista_mae;
  consola().titulo(std::string(e.config.title, strnlen(e.config.title, sizeof e.config.title)));
  consola().mostra();
}

}  // namespace qw
