#include "rotinas_minhas.h"

const Tabela<int32_t, 9> COR = {{255, 255 * 256, 255 + 255 * 256, 255 * 65536, 255 + 255 * 65536,
                                 255 * 256 + 255 * 65536, 192 + 192 * 256 + 192 * 65536, 0,
                                 255 + 255 * 256 + 255 * 65536}};

void JANELA_BRANCA(const std::string& TITULO) {
  windowconfig wc;
  TITULO.copy(wc.title, sizeof wc.title - 1);
  if (!qw::f_setwindowconfig(wc)) qw::f_setwindowconfig(wc);
  qw::setcolorrgb(COR(8));
  qw::settextcolorrgb(COR(8));
  qw::setbkcolorrgb(COR(9));
  qw::setcolorrgb(COR(4));
  qw::FQdisplaycursor(1);
  qw::FOCUSQQ();
  qw::QWINMenuClick(2);
  qw::menu_janelas(4);
}

void SALTA() { qw::FQclearscreen(0); }

void ENTER() {
  int32_t antes = qw::settextcolorrgb(VERMELHO_ESCURO);
  qw::fq_settextposition(29, 45);
  qw::fq_outtext("Pressione <ENTER> para continuar");
  qw::espera_qualquer();
  qw::settextcolorrgb(antes);
}
