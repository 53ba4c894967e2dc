#include "leitor_teclado.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// A stream of bytes in pieces, each followed or not by a pause (longer than the reader waits for the rest
// of a sequence) or by a signal; given to the reader at most `lote` bytes a read. The events the reader
// gives are written as text: a character as itself, the keys and clicks in angle brackets.
class Fluxo : public FonteBytes {
 public:
  struct Pedaco {
    std::string bytes;
    enum { NADA, PAUSA, SINAL } depois = NADA;
  };
  Fluxo(std::vector<Pedaco> pedacos, size_t lote) : pedacos_(std::move(pedacos)), lote_(lote) {}

  int le(char* b, size_t n, int espera) override {
    while (atual_ < pedacos_.size()) {
      Pedaco& p = pedacos_[atual_];
      if (dado_ < p.bytes.size()) {
        const size_t k = std::min({n, lote_, p.bytes.size() - dado_});
        std::memcpy(b, p.bytes.data() + dado_, k);
        dado_ += k;
        entregue_ = atual_;
        return static_cast<int>(k);
      }
      const auto depois = p.depois;
      ++atual_;
      dado_ = 0;
      if (depois == Pedaco::SINAL) return -1;
      if (depois == Pedaco::PAUSA && espera >= 0) return 0;  // a pause with no limit is only time
    }
    return -1;  // the end of the stream: the test stops reading
  }
  bool acabou() const { return atual_ == pedacos_.size(); }
  // The piece of the last bytes given.
  size_t entregue() const { return entregue_; }

 private:
  std::vector<Pedaco> pedacos_;
  size_t lote_, atual_ = 0, dado_ = 0, entregue_ = 0;
};

std::string texto(const Evento& e) {
  switch (e.tipo) {
    case Evento::CARACTER:
      return std::string(1, e.c);
    case Evento::ENTER:
      return "<E>";
    case Evento::APAGA:
      return "<B>";
    case Evento::ESC:
      return "<Esc>";
    case Evento::SUSPENDE:
      return "<Z>";
    case Evento::CLIQUE:
      return "<" + std::to_string(e.linha) + "," + std::to_string(e.coluna) + ">";
  }
  return "?";
}

const int CTRL_Z = 0x1A;

// Every event of the stream, as text; with ultimo, only those that the last piece's bytes gave.
std::string eventos(std::vector<Fluxo::Pedaco> pedacos, size_t lote, bool ultimo = false) {
  const size_t fim = pedacos.size() - 1;
  Fluxo f(std::move(pedacos), lote);
  LeitorTeclado leitor(CTRL_Z);
  std::string r;
  for (Evento e; !f.acabou();)
    if (leitor.proximo(f, e) && (!ultimo || f.entregue() == fim)) r += texto(e);
  return r;
}

using P = Fluxo::Pedaco;
const auto PAUSA = P::PAUSA;

// What a person types, and what a terminal sends unasked: the same events whether the bytes come all in one
// read or one byte a read.
TEST(LeitorTeclado, KeysCharactersAndSequences) {
  const std::string SGR_LONGA = "\x1b[<0;" + std::string(1000, '1') + ";1M";
  const struct {
    std::vector<P> fluxo;
    std::string esperado;
  } casos[] = {
      {{{"abc\r"}}, "abc<E>"},
      {{{"a\nb\x1bOM"}}, "a<E>b<E>"},                       // LF, and the keypad's Enter
      {{{"ab\x7f\b"}}, "ab<B><B>"},                         // Backspace as DEL and as BS
      {{{"a\x13\x11\x01\x1a"}}, "a<Z>"},                    // Ctrl-S, Ctrl-Q, Ctrl-A do nothing; Ctrl-Z
      {{{"\x1b[A\x1bOB\x1b[15;5~\x1b" "x" "c"}}, "c"},       // arrows, F5, Alt-x
      {{{"\x1b", PAUSA}, {"a"}}, "<Esc>a"},                  // a lone Esc after its pause
      {{{"\x1b\x1b", PAUSA}}, "<Esc><Esc>"},                 // two
      {{{"\x1b\r"}}, "<Esc><E>"},                            // Esc and Enter at once
      {{{"\x1b\xc3\xa7"}}, "<Esc>\xe7"},                    // Esc and ç
      {{{"\xc3\xa7\xe2\x82\xac"}}, "\xe7\x80"},              // ç € in UTF-8
      {{{"\xe7", PAUSA}, {"\xe7" "a"}}, "\xe7\xe7" "a"},     // Latin-1 ç, alone or followed at once
      {{{"\xe7\x1b[A"}}, "\xe7"},                           // cut by an escape sequence
      {{{"\x81\x8d"}}, ""},                                  // bytes that Windows-1252 leaves undefined
      {{{"\x1b[<0;10;16M\x1b[<0;10;16m"}}, "<16,10>"},       // an SGR press; its release
      {{{"\x1b[<4;100;30M\x1b[<0;101;1M\x1b[<0;1;31M"}}, "<30,100>"},  // Shift; outside the grid
      {{{"\x1b[<1;5;5M\x1b[<32;5;5M\x1b[<64;5;5M"}}, ""},    // middle button, a move, a wheel
      {{{"\x1b[M *0\x1b[M#*0"}}, "<16,10>"},                 // an X10 press and its release
      {{{"\x1b[M\x20\x7f\x21"}}, "<1,95>"},                  // column 95 is the byte DEL
      {{{"\x1b[M\x20\x84\x3e"}}, "<30,100>"},               // a byte above 127
      {{{"a\x1b]0;x\x1b[99~z"}}, "az"},                     // an OSC cut short by a CSI
      {{{"\x1b]0;t\xc3\xadtulo\a" "a\x1b]0;x\x1b\\b"}}, "ab"},  // OSC ended by BEL and by ST
      {{{"\x1bP1$r\a0m\x1b\\z"}}, "z"},                      // a DCS, which BEL does not end
      {{{"\x1b]0;x\x1b\r"}}, "<Esc><E>"},                    // ESC in a string begins a sequence
      {{{"\x1b]0;abc", PAUSA}, {"d"}}, "d"},                 // a string cut by a pause
      {{{"\x1b[<0;1", PAUSA}, {"0;16M"}}, "0;16M"},          // a report cut by a pause is no click
      {{{"\x1b[<0;1", P::SINAL}, {"0;16M"}}, "<16,10>"},     // a signal between its bytes is nothing
      {{{SGR_LONGA + "k"}}, "k"},                            // a sequence too long to keep: dropped whole
      {{{"\x1b[1;2\n"}}, "<E>"},                            // a control ends a sequence and is read
  };
  for (const auto& c : casos)
    for (size_t lote : {size_t(1), size_t(4096)}) EXPECT_EQ(eventos(c.fluxo, lote), c.esperado) << c.esperado;
}

// A paste longer than the reader's buffer comes out whole.
TEST(LeitorTeclado, ALongPasteComesOutWhole) {
  std::string colado;
  for (int i = 0; i < 5000; ++i) colado += static_cast<char>('a' + i % 26);
  EXPECT_EQ(eventos({{colado + "\r"}}, 4096), colado + "<E>");
}

// A million Esc bytes: each is the Esc key, and what comes after them is typed.
TEST(LeitorTeclado, AMillionEscBytesThenTyping) {
  const std::string fim = eventos({{std::string(1000000, '\x1b'), PAUSA}, {"abc\r"}}, 4096);
  const size_t esc = fim.size() - std::string("abc<E>").size();
  EXPECT_EQ(fim.substr(esc), "abc<E>");
  EXPECT_EQ(esc, 1000000 * std::string("<Esc>").size());
}

// X10 reports with every button, column and row byte from 32 to 255: a left press in the grid is a click of
// its cell, nothing else is an event, and the key typed after them is typed.
TEST(LeitorTeclado, X10ReportsOfEveryByteAreNeverKeys) {
  std::string fluxo, cliques;
  auto relatorio = [&](int botao, int coluna, int linha) {
    fluxo += std::string("\x1b[M") + static_cast<char>(botao) + static_cast<char>(coluna) + static_cast<char>(linha);
    const int b = botao - 32, c = coluna - 32, l = linha - 32;
    if ((b & ~0x1C) == 0 && l >= 1 && l <= 30 && c >= 1 && c <= 100)
      cliques += "<" + std::to_string(l) + "," + std::to_string(c) + ">";
  };
  for (int v = 32; v <= 255; ++v) {
    relatorio(v, 33, 33);
    relatorio(32, v, 33);
    relatorio(32, 33, v);
  }
  EXPECT_EQ(cliques.size() > 0, true);
  EXPECT_EQ(eventos({{fluxo + "k"}}, 4096), cliques + "k");
}

// Every value of every byte of a mouse report (X10 and SGR), then a pause and a key: the key comes whole.
TEST(LeitorTeclado, EveryValueOfEveryByteOfAReportThenAKey) {
  for (const std::string relatorio : {"\x1b[M *0", "\x1b[<0;10;16M"})
    for (size_t i = 0; i < relatorio.size(); ++i)
      for (int v = 0; v <= 255; ++v) {
        std::string r = relatorio;
        r[i] = static_cast<char>(v);
        EXPECT_EQ(eventos({{r, PAUSA}, {"k"}}, 4096, true), "k") << i << " " << v;
      }
}

// A seeded random stream of any bytes, then a pause and a plain line: the line comes back whole.
TEST(LeitorTeclado, ARandomStreamThenAPlainLine) {
  for (unsigned semente : {1u, 2u, 3u, 4u}) {
    std::mt19937 gerador(semente);
    std::string lixo;
    for (int i = 0; i < 100000; ++i) lixo += static_cast<char>(gerador() & 0xFF);
    EXPECT_EQ(eventos({{lixo, PAUSA}, {"pasta_nova\r"}}, 4096, true), "pasta_nova<E>") << semente;
  }
}

}  // namespace
