#include "consola_terminal.h"

#include <langinfo.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
#include <term.h>

namespace {

const int32_t PRETO = 0, CINZENTO = 0xC0C0C0;  // the end box and the status line
// A typed line keeps at most a screenful of characters, far more than any answer takes: what a paste brings
// beyond it is neither shown nor kept, so that no stream grows the program.
const size_t MAXIMO_LINHA = Grelha::LINHAS * Grelha::COLUNAS;

// The signals of the end, SIGTSTP, SIGCONT and SIGWINCH wait while the program is inside curses, so that no
// handler finds curses halfway (the end handler restores the terminal through it); they come in while the
// program computes, or waits for input (le).
class EmCurses {
 public:
  EmCurses() {
    if (nivel_++ > 0) return;
    sigset_t s;
    sigemptyset(&s);
    for (int sinal : SINAIS_DE_FIM) sigaddset(&s, sinal);
    for (int sinal : {SIGTSTP, SIGCONT, SIGWINCH}) sigaddset(&s, sinal);
    sigprocmask(SIG_BLOCK, &s, &fora_);
  }
  ~EmCurses() {
    if (--nivel_ == 0) sigprocmask(SIG_SETMASK, &fora_, nullptr);
  }
  EmCurses(const EmCurses&) = delete;
  EmCurses& operator=(const EmCurses&) = delete;
  // The signal mask outside curses.
  static const sigset_t& fora() { return fora_; }

 private:
  static inline int nivel_ = 0;
  static inline sigset_t fora_;
};

// Set by the handlers of SIGTSTP, SIGCONT and SIGWINCH, done by the next wait for input.
volatile sig_atomic_t suspensao_pedida = 0, reposicao_pedida = 0, tamanho_pedido = 0;

extern "C" void pede_suspensao(int) { suspensao_pedida = 1; }
extern "C" void pede_reposicao(int) { reposicao_pedida = 1; }
extern "C" void pede_tamanho(int) { tamanho_pedido = 1; }

std::terminate_handler terminate_anterior = nullptr;

// The terminal as it was before the program; also from the background, when the shell has taken the terminal
// (a stopped job killed, a parent in the job stopped first): SIGTTOU held, so that no stop comes halfway.
void devolve() {
  if (isendwin()) return;
  sigset_t s, antes;
  sigemptyset(&s);
  sigaddset(&s, SIGTTOU);
  sigprocmask(SIG_BLOCK, &s, &antes);
  endwin();
  sigprocmask(SIG_SETMASK, &antes, nullptr);
}

void restaura() {
  EmCurses guarda;
  devolve();
}

// Runs only outside curses (EmCurses), or while the program is stopped with the terminal handed back.
extern "C" void sai_por_sinal(int sinal) {
  apaga_temporarios();
  devolve();
  _exit(128 + sinal);
}

// The terminal comes back as it was however the program ends, and on Ctrl-Z. Installed before curses starts,
// so that curses keeps its own handlers of these signals out. True when the program may stop on Ctrl-Z.
bool instala_sinais() {
  static bool instalado = false, suspende = false;
  if (instalado) return suspende;  // a second terminate handler would call the first, i.e. itself
  instalado = true;
  std::atexit(restaura);
  terminate_anterior = std::set_terminate([] {
    restaura();
    terminate_anterior ? terminate_anterior() : std::abort();
  });
  trata_sinais_de_fim(sai_por_sinal);
  struct sigaction sa {};
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;  // the reads and writes of data files go on
  sa.sa_handler = pede_reposicao;
  sigaction(SIGCONT, &sa, nullptr);
  sa.sa_handler = pede_tamanho;  // the program's own: curses, which reads no key here, would not see it
  sigaction(SIGWINCH, &sa, nullptr);
  struct sigaction antes {};
  sigaction(SIGTSTP, nullptr, &antes);
  if (antes.sa_handler != SIG_DFL) return false;  // ignored by whoever started the program: so is Ctrl-Z
  sa.sa_handler = pede_suspensao;
  sigaction(SIGTSTP, &sa, nullptr);
  return suspende = true;
}

// Whether curses takes mouse reports from the terminal: its description gives the mouse key, or the terminal
// is an xterm, as curses itself decides.
bool tem_rato(const char* nome) {
  const char* kmous = tigetstr("kmous");
  return (kmous && kmous != reinterpret_cast<char*>(-1) && *kmous) || std::strstr(nome, "xterm");
}

// Throws FimForcado when the terminal cannot show the screens or take the clicks that choose on them:
// terminfo does not know it, it cannot put the cursor at a place of the screen, or it has no mouse. Done
// before curses, which would end the program on an unknown terminal.
void confere_terminal() {
  const char* SEM_CURSOR = "não posiciona o cursor no ecrã";
  const char* nome = std::getenv("TERM");
  const char* porque = nullptr;
  int erro = 0;
  if (!nome || !*nome) {
    porque = "a variável TERM está vazia";
  } else if (setupterm(nullptr, STDOUT_FILENO, &erro) != OK) {
    porque = erro == 1 ? SEM_CURSOR : erro == 0 ? "a base terminfo não o conhece" : "não se encontrou a base terminfo";
  } else {
    const char* cup = tigetstr("cup");
    if (!cup || cup == reinterpret_cast<char*>(-1))
      porque = SEM_CURSOR;
    else if (!tem_rato(nome))
      porque = "a sua descrição não tem rato, e o programa precisa de um: use um terminal com rato (por exemplo "
                "TERM=xterm-256color)";
    del_curterm(cur_term);
  }
  if (porque)
    throw FimForcado{1, std::string("não é possível usar este terminal (TERM=") + (nome ? nome : "") + "): " + porque};
}

}  // namespace

ConsolaTerminal::ConsolaTerminal() {
  setlocale(LC_ALL, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) setlocale(LC_ALL, "C.UTF-8");
  setlocale(LC_NUMERIC, "C");  // numbers are read and written alike whatever the user's locale
  confere_terminal();
  bool suspende = instala_sinais();
  EmCurses guarda;
  // Curses writes the screen and turns the mouse reporting on; it reads no key: the terminal's bytes are the
  // program's own (le, leitor_), so that no key translation turns the bytes of a report into keys.
  initscr();
  cbreak();
  noecho();
  mousemask(BUTTON1_PRESSED, nullptr);
  // The terminal's own keys while the program holds it. Flow control is off: Ctrl-S and Ctrl-Q come as keys,
  // passed over, and never freeze the screen. The suspend key (Ctrl-Z) comes as a key instead of SIGTSTP to
  // the job, so that the terminal is handed back before a parent (make) stops and its shell takes the
  // terminal. Ctrl-C and Ctrl-\ stay signals, which end the program (instala_sinais). A read returns at once
  // with what is there, never waiting: the wait is ppoll's.
  termios t;
  int tecla_suspensao = -1;
  if (tcgetattr(STDIN_FILENO, &t) == 0) {
    t.c_iflag &= ~IXON;
    if (suspende && t.c_cc[VSUSP] != _POSIX_VDISABLE) {
      tecla_suspensao = t.c_cc[VSUSP];
      t.c_cc[VSUSP] = _POSIX_VDISABLE;
    }
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSADRAIN, &t);
    def_prog_mode();
  }
  leitor_ = LeitorTeclado(tecla_suspensao);
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
  EmCurses guarda;
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

int ConsolaTerminal::le(char* b, size_t n, int espera) {
  pollfd p{STDIN_FILENO, POLLIN, 0};
  const timespec ZERO{0, 0}, t{espera / 1000, espera % 1000 * 1000000L};
  // The screen is shown when the program would wait: not between the bytes of a paste or of a long stream.
  int r = ppoll(&p, 1, &ZERO, &EmCurses::fora());
  if (r == 0) {
    mostra();
    r = ppoll(&p, 1, espera < 0 ? nullptr : &t, &EmCurses::fora());
  }
  if (r <= 0) return r < 0 ? -1 : 0;  // a signal came (the caller does what it asked for), or the time passed
  const ssize_t k = read(STDIN_FILENO, b, n);
  if (k > 0) {
    vazias_ = 0;
    return static_cast<int>(k);
  }
  // Input there, again and again, and nothing read: the terminal is gone.
  if (!(k < 0 && errno == EINTR) && ++vazias_ == 3) throw FimForcado{1, "o terminal deixou de dar entrada"};
  return -1;
}

void ConsolaTerminal::suspende(pid_t quem) {
  suspensao_pedida = 0;
  devolve();
  sigset_t pendentes;
  sigpending(&pendentes);
  if (!sigismember(&pendentes, SIGCONT)) {  // else a SIGCONT came since the stop was asked for, and answers it
    struct sigaction padrao {}, nossa {};
    sigemptyset(&padrao.sa_mask);
    padrao.sa_handler = SIG_DFL;
    sigaction(SIGTSTP, &padrao, &nossa);
    kill(quem, SIGTSTP);  // held here: it stops the program when let in below, until SIGCONT
    sigset_t dentro;
    sigprocmask(SIG_SETMASK, &EmCurses::fora(), &dentro);
    sigprocmask(SIG_SETMASK, &dentro, nullptr);
    sigaction(SIGTSTP, &nossa, nullptr);
  }
  reposicao_pedida = 1;
}

void ConsolaTerminal::repoe() {
  reposicao_pedida = 0;
  devolve();       // after SIGSTOP the modes are as the shell left them
  redimensiona();  // curses sets every mode again and draws the whole screen, at the size the shell left
}

void ConsolaTerminal::redimensiona() {
  tamanho_pedido = 0;
  winsize w;
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &w) == 0 && w.ws_row > 0 && w.ws_col > 0) resizeterm(w.ws_row, w.ws_col);
  mostra();
}

Evento ConsolaTerminal::proximo() {
  EmCurses guarda;
  for (;;) {
    if (suspensao_pedida) suspende(getpid());
    if (reposicao_pedida) repoe();
    if (tamanho_pedido) redimensiona();
    Evento e;
    if (!leitor_.proximo(*this, e)) continue;
    if (e.tipo == Evento::SUSPENDE)
      suspende(0);  // the whole job stops, as on the terminal's SIGTSTP
    else if (!pequeno())
      return e;
  }
}

bool ConsolaTerminal::edita(const Evento& e, std::string& linha) {
  if (e.tipo == Evento::ENTER) {
    grelha_.nova_linha();
  } else if (e.tipo == Evento::CARACTER && linha.size() < MAXIMO_LINHA) {
    linha += e.c;
    grelha_.escreve(std::string(1, e.c));
  } else if (e.tipo == Evento::APAGA && !linha.empty() && grelha_.apaga_anterior()) {
    linha.pop_back();  // the line returned is the one shown
  }
  if (e.tipo != Evento::ENTER) return false;
  mostra();  // the line as it was taken, while the program works on it
  return true;
}

Clique ConsolaTerminal::espera_clique() {
  for (;;) {
    Evento e = proximo();
    if (e.tipo == Evento::CLIQUE) return centro_da_celula(e.linha, e.coluna);
  }
}

std::string ConsolaTerminal::le_linha() {
  std::string linha;
  while (!edita(proximo(), linha)) {
  }
  return linha;
}

Resposta ConsolaTerminal::espera_qualquer() {
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
  int botao = 0;  // 1 Yes, 2 No
  while (botao == 0) {
    Evento e = proximo();
    if (e.tipo == Evento::CLIQUE)
      botao = ::caixa_fim::botao(e.linha, e.coluna);
    else if (e.tipo == Evento::ENTER)
      botao = 2;
    else if (e.tipo == Evento::CARACTER)
      botao = ::caixa_fim::tecla(e.c);
  }
  caixa_ = nullptr;
  mostra();
  return botao == 1;
}

void ConsolaTerminal::espera_fecho() {
  estado(estado_ + "    q ou Esc: fechar a janela");
  for (;;) {
    Evento e = proximo();
    if (e.tipo == Evento::ESC || (e.tipo == Evento::CARACTER && ::caixa_fim::fecha(e.c))) return;
  }
}

void ConsolaTerminal::titulo(const std::string& texto) {
  EmCurses guarda;
  putp(("\033]0;" + para_utf8(texto) + "\007").c_str());
  std::fflush(stdout);  // putp writes through stdio, curses writes past it
}

void ConsolaTerminal::estado(const std::string& texto) {
  estado_ = texto;
  mostra();
}
