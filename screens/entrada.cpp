#include <cstring>

#include "graficos.h"
#include "rotinas_minhas.h"

namespace {
const char* const JANELA = " PROGRAMA PALUDEX ";
const std::string TITULO = "CCÁLCULO DAS NECESSIDADES DE REGA DO ARROZ"_w;
const std::string VERSAO = "(Versao W10_2.1 junho 2021)";
}  // namespace

float escala_janela(int16_t numxpixels) { return numxpixels / 320.0f; }

double centra_xtext(int32_t w, float ESCALA) { return (320 - w / ESCALA) * 0.5f; }

void ENTRADA(int IVERSAO) {
  JANELA_BRANCA(JANELA);
  qw::abre_janela(68, "Apresentação"_w);
  qw::initializefonts();
  qw::f_setfont("t'Times New Roman'h22w10pvb");

  windowconfig wc;
  std::strcpy(wc.title, JANELA);
  wc.numxpixels = 800;
  wc.numypixels = 500;
  wc.numtextcols = -1;
  wc.numtextrows = -1;
  wc.numcolors = -1;
  wc.fontsize = 8 * 65536 + 12;  // 8 pixels wide, 12 high
  if (!qw::f_setwindowconfig(wc)) qw::f_setwindowconfig(wc);
  qw::FQdisplaycursor(1);
  float ESCALA = escala_janela(wc.numxpixels);  // the width as the configuration left it

  qw::setcolorrgb(COR(8));
  qw::settextcolorrgb(COR(8));
  qw::setbkcolorrgb(COR(9));
  qw::setwindow(false, 0, 0, 320, 200);

  qw::setcolorrgb(COR(4));
  double XTEXT = centra_xtext(qw::f_getgtextextent(TITULO), ESCALA), YTEXT = 85;
  qw::f_moveto_w(XTEXT, YTEXT);
  qw::f_outgtext(TITULO);

  // The click line starts where the version line of IVERSAO 0 starts, shown or not.
  qw::f_setfont("t'Times New Roman'h14w8pvb");
  XTEXT = centra_xtext(qw::f_getgtextextent(VERSAO), ESCALA);
  if (IVERSAO == 0) {
    YTEXT = 100;
    qw::setcolorrgb(COR(1));
    qw::f_moveto_w(XTEXT, YTEXT);
    qw::f_outgtext(VERSAO);
  }
  YTEXT = 115;
  qw::setcolorrgb(COR(8));
  qw::f_moveto_w(XTEXT, YTEXT);
  qw::f_outgtext("          Clique nesta janela para continuar");

  int KEYSTATE, MOUSEXPOS, MOUSEYPOS;
  qw::waitonmouseeventqq(1, KEYSTATE, MOUSEXPOS, MOUSEYPOS);
  qw::setcolorrgb(COR(9));
  qw::fecha_janela(68);
}
