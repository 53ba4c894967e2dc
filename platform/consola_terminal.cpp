#include "consola_terminal.h"

#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <exception>

#include "caixa_fim.h"
#include "cores_terminal.h"
#include "cp1252.h"
#include "temporarios.h"
#include "texto.h"

// The wide-character calls, and functions instead of macros (the macros clear() and erase() break std::map).
#define NCURSES_WIDECHAR 1
#define NCURSES_NOMACROS 1
#include <curses.h>

namespace {

const int32_t PRETO = 0, CINZENTO = 0xC0C0C0;  // the end box and the status line

std::terminate_handler terminate_anterior = nullptr;

void restaura() {
  if (!isendwin()) endwin();
}

extern "C" void sai_por_sinal(int sinal) {
  apaga_temporarios();
  endwin();
  _exit(128 + sinal);
}

// The terminal comes back as it was however the program ends.
void instala_restauro() {
  static bool instalado = false;
  if (instalado) return;  // a second terminate handler would call the first, i.e. itself
  instalado = true;
  std::atexit(restaura);
  terminate_anterior = std::set_terminate([] {
    restaura();
    terminate_anterior ? terminate_anterior() : std::abort();
  });
  trata_sinais_de_fim(sai_por_sinal);
}

}  // namespace

ConsolaTerminal::ConsolaTerminal() {
  setlocale(LC_ALL, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) setlocale(LC_ALL, "C.UTF-8");
  setlocale(LC_NUMERIC, "C");  // numbers are read and written alike whatever the user's locale
  initscr();
  instala_restauro();
  cbreak();
  noecho();
  keypad(stdscr, TRUE);
  set_escdelay(50);  // Esc closes the window at the end: no need to wait long for a longer sequence
  mousemask(BUTTON1_PRESSED, nullptr);
  mouseinterval(0);
  if (!has_colors() || start_color() != OK || COLORS < 8)
    cores_ = Cores::NENHUMAS;
  else if (COLORS >= 0x1000000)
    cores_ = Cores::DIRETAS;
  else if (COLORS >= 256)
    cores_ = Cores::XTERM256;  // the palette is the user's: it is never redefined
  else
    cores_ = Cores::BASICAS;
}

ConsolaTerminal::~ConsolaTerminal() { restaura(); }

bool ConsolaTerminal::pequeno() const { return LINES < Grelha::LINHAS + 1 || COLS < Grelha::COLUNAS; }

int ConsolaTerminal::cor(int32_t rgb, int fundo) {
  if (fundo < 0) {
    auto it = numero_cor_.find(rgb);
    if (it != numero_cor_.end()) return it->second;
  }
  int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
  int n = 0;
  switch (cores_) {
    case Cores::DIRETAS:
      n = std::max(8, r << 16 | g << 8 | b);  // the numbers below 8 are the basic colours, not RGB
      break;
    case Cores::XTERM256:
      n = cores_terminal::xterm256(rgb, fundo);
      break;
    case Cores::BASICAS:
      n = cores_terminal::basica(rgb, COLORS, fundo);
      break;
    case Cores::NENHUMAS:
      break;
  }
  return fundo < 0 ? numero_cor_[rgb] = n : n;
}

int ConsolaTerminal::par(int32_t texto, int32_t fundo) {
  if (cores_ == Cores::NENHUMAS) return 0;
  std::pair<int, int> chave{cor(texto), cor(fundo)};
  // Two colours of the system that fall on one terminal colour (light grey and white on 8 colours).
  if (chave.first == chave.second && texto != fundo) chave.first = cor(texto, chave.second);
  auto it = numero_par_.find(chave);
  if (it != numero_par_.end()) return it->second;
  if (static_cast<int>(numero_par_.size()) + 1 >= COLOR_PAIRS) {
    numero_par_.clear();  // every pair is taken: number them again and repaint
    pares_recomecados_ = true;
  }
  int n = static_cast<int>(numero_par_.size()) + 1;
  init_extended_pair(n, chave.first, chave.second);
  return numero_par_[chave] = n;
}

void ConsolaTerminal::pinta_celula(int linha, int coluna, unsigned char ch, int32_t texto, int32_t fundo,
                                   bool realce) {
  char32_t u = unicode(ch);  // control characters and the bytes Windows-1252 leaves undefined show as "?"
  wchar_t w[2] = {u < 0x20 || u == 0x7F ? L'?' : static_cast<wchar_t>(u), L'\0'};
  int p = par(texto, fundo);
  cchar_t c;
  setcchar(&c, w, realce ? A_REVERSE : A_NORMAL, 0, &p);
  mvadd_wch(linha - 1, coluna - 1, &c);
}

void ConsolaTerminal::pinta() {
  for (int l = 1; l <= Grelha::LINHAS; ++l)
    for (int c = 1; c <= Grelha::COLUNAS; ++c) {
      const Celula& x = grelha_.cel(l, c);
      pinta_celula(l, c, x.ch, x.texto, x.fundo, false);
    }
  if (caixa_) {
    for (int l = ::caixa_fim::LINHA1; l <= ::caixa_fim::LINHA2; ++l) {
      std::string s = ::caixa_fim::linha(l, *caixa_);
      for (size_t i = 0; i < s.size(); ++i) {
        int c = ::caixa_fim::COLUNA1 + static_cast<int>(i);
        pinta_celula(l, c, s[i], PRETO, CINZENTO, ::caixa_fim::botao(l, c) == 2);  // No is the default
      }
    }
  }
  std::string e = fixo(estado_, Grelha::COLUNAS);
  for (int c = 1; c <= Grelha::COLUNAS; ++c) pinta_celula(Grelha::LINHAS + 1, c, e[c - 1], PRETO, CINZENTO, false);
}

void ConsolaTerminal::mostra() {
  erase();
  if (pequeno()) {
    curs_set(0);
    mvaddnstr(0, 0, "O terminal tem de ter pelo menos 31 linhas x 100 colunas.", COLS);
    mvaddnstr(1, 0, "Ctrl-C: terminar o programa.", COLS);
  } else {
    pares_recomecados_ = false;
    pinta();
    if (pares_recomecados_) pinta();  // the cells painted before the renumbering have pairs of other colours
    bool cursor = grelha_.cursor && !caixa_;
    curs_set(cursor ? 1 : 0);
    if (cursor) move(grelha_.linha() - 1, std::min(grelha_.coluna(), Grelha::COLUNAS) - 1);
  }
  refresh();
}

ConsolaTerminal::Evento ConsolaTerminal::proximo() {
  for (;;) {
    wint_t c;
    errno = 0;
    int r = get_wch(&c);
    if (r == ERR) {
      if (errno == EINTR) continue;
      throw FimForcado{1, "o terminal deixou de dar entrada"};
    }
    bool especial = r == KEY_CODE_YES;
    if (especial && c == KEY_RESIZE) {
      mostra();
      continue;
    }
    MEVENT m;
    bool clique = especial && c == KEY_MOUSE && getmouse(&m) == OK && (m.bstate & BUTTON1_PRESSED);
    if (pequeno()) continue;
    if (clique) {
      if (m.y < Grelha::LINHAS && m.x < Grelha::COLUNAS) return Evento{Evento::CLIQUE, 0, m.y + 1, m.x + 1};
    } else if (especial ? c == KEY_ENTER : c == L'\n' || c == L'\r') {
      return Evento{Evento::ENTER};
    } else if (especial ? c == KEY_BACKSPACE : c == 127 || c == L'\b') {
      return Evento{Evento::APAGA};
    } else if (!especial && c == 27) {
      return Evento{Evento::ESC};
    } else if (!especial && c >= L' ') {
      return Evento{Evento::CARACTER, static_cast<wchar_t>(c)};
    }
  }
}

bool ConsolaTerminal::edita(const Evento& e, std::string& linha) {
  if (e.tipo == Evento::ENTER) {
    grelha_.nova_linha();
  } else if (e.tipo == Evento::CARACTER) {
    char mb[MB_LEN_MAX];
    std::mbstate_t estado{};
    size_t n = std::wcrtomb(mb, e.c, &estado);
    std::string c = n == static_cast<size_t>(-1) ? "?" : de_utf8(std::string(mb, n));
    linha += c;
    grelha_.escreve(c);
  } else if (e.tipo == Evento::APAGA && !linha.empty() && grelha_.apaga_anterior()) {
    linha.pop_back();  // the line returned is the one shown
  }
  mostra();
  return e.tipo == Evento::ENTER;
}

Clique ConsolaTerminal::espera_clique() {
  mostra();
  for (;;) {
    Evento e = proximo();
    if (e.tipo == Evento::CLIQUE) return centro_da_celula(e.linha, e.coluna);
  }
}

std::string ConsolaTerminal::le_linha() {
  mostra();
  std::string linha;
  while (!edita(proximo(), linha)) {
  }
  return linha;
}

Resposta ConsolaTerminal::espera_qualquer() {
  mostra();
  Resposta r;
  for (std::string linha;;) {
    Evento e = proximo();
    if (e.tipo == Evento::CLIQUE) {
      r.clique = true;
      r.onde = centro_da_celula(e.linha, e.coluna);
      return r;
    }
    if (edita(e, linha)) {
      r.linha = linha;
      return r;
    }
  }
}

bool ConsolaTerminal::caixa_fim(const std::string& texto) {
  caixa_ = &texto;
  mostra();
  int botao = 0;  // 1 Yes, 2 No
  while (botao == 0) {
    Evento e = proximo();
    if (e.tipo == Evento::CLIQUE)
      botao = ::caixa_fim::botao(e.linha, e.coluna);
    else if (e.tipo == Evento::ENTER)
      botao = 2;
    else if (e.tipo == Evento::CARACTER)
      botao = std::wcschr(L"yYsS", e.c) ? 1 : std::wcschr(L"nN", e.c) ? 2 : 0;
  }
  caixa_ = nullptr;
  mostra();
  return botao == 1;
}

void ConsolaTerminal::espera_fecho() {
  estado(estado_ + "    q ou Esc: fechar a janela");
  for (;;) {
    Evento e = proximo();
    if (e.tipo == Evento::ESC || (e.tipo == Evento::CARACTER && (e.c == L'q' || e.c == L'Q'))) return;
  }
}

void ConsolaTerminal::titulo(const std::string& texto) {
  putp(("\033]0;" + para_utf8(texto) + "\007").c_str());
  std::fflush(stdout);  // putp writes through stdio, curses writes past it
}

void ConsolaTerminal::estado(const std::string& texto) {
  estado_ = texto;
  mostra();
}
