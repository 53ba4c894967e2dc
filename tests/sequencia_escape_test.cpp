#include "sequencia_escape.h"

#include <gtest/gtest.h>

namespace {

// The bytes after an ESC, fed one by one: how many the sequence takes, whether it ends with them (else the
// next byte is read on its own), and the cell of a left press. Terminal replies, keys and mouse reports are
// taken whole, whatever their length.
TEST(SequenciaEscape, SequencesAreTakenWholeOrLeftAtTheFirstByteOutsideThem) {
  const struct {
    std::string bytes;
    size_t tomados;
    bool completa;
    int linha, coluna;  // 0: no click
  } casos[] = {
      {"[999;999R", 9, true, 0, 0},         // a cursor position report
      {"[?1;2cab", 6, true, 0, 0},          // a device attributes reply; the letters after it are typed
      {"[A", 2, true, 0, 0},                // an arrow key
      {"[15;5~", 6, true, 0, 0},            // F5 with Control
      {"OP", 2, true, 0, 0},                // F1, SS3
      {"]11;rgb:ffff/ffff/ffff\a", 23, true, 0, 0},   // a colour reply, ended by BEL
      {"]0;título\x1b\\", 12, true, 0, 0},  // ...or by ESC \, UTF-8 inside
      {"P1$r0m\x1b\\", 8, true, 0, 0},      // a DCS reply
      {"(B", 2, true, 0, 0},                // an escape with an intermediate
      {"x", 1, true, 0, 0},                 // Alt and a key
      {"[M *0", 5, true, 16, 10},           // X10: a left press at column 10, row 16
      {"[M\x20\x84\x3e", 5, true, 30, 100}, // at the last cell of the grid: bytes above 127
      {"[M(*0", 5, true, 16, 10},           // with Control
      {"[M#*0", 5, true, 0, 0},             // a release
      {"[M!*0", 5, true, 0, 0},             // the middle button
      {"[M`*0", 5, true, 0, 0},             // a wheel
      {"[M@*0", 5, true, 0, 0},             // a move with the button down
      {"[M\x1b\x1b\x1b", 5, true, 0, 0},    // any byte is a coordinate; below 33 it is no cell
      {"[<0;10;16M", 10, true, 16, 10},     // an SGR press
      {"[<0;10;16m", 10, true, 0, 0},       // ...and its release
      {"[<0;10;16;1M", 12, true, 0, 0},     // not an SGR report: four numbers
      {"[1;2\n", 4, false, 0, 0},           // a control character ends a sequence before it
      {"[12\xe7", 3, false, 0, 0},          // ...and so does a byte above 127
      {"[1 2", 3, false, 0, 0},             // a parameter after an intermediate
      {"]0;x\x1bq", 6, true, 0, 0},         // ESC inside a string that is not ST begins a new sequence
      {"]0;x\x1b[A", 7, true, 0, 0},        // ...here an arrow key
      {"]0;x\x1b\r", 5, false, 0, 0},       // ...here the Esc key, and Enter read on its own
      {"\x1b", 0, false, 0, 0},             // ESC ESC: the first is the Esc key
      {"\r", 0, false, 0, 0},               // Esc and Enter
      {"\xc3\xa7", 0, false, 0, 0},         // Esc and ç
  };
  for (const auto& c : casos) {
    SequenciaEscape s;
    s.comeca();
    size_t k = 0;
    SequenciaEscape::Passo p = SequenciaEscape::CONTINUA;
    while (k < c.bytes.size() && p == SequenciaEscape::CONTINUA)
      if ((p = s.junta(static_cast<unsigned char>(c.bytes[k]))) != SequenciaEscape::FORA) ++k;
    EXPECT_EQ(k, c.tomados) << c.bytes;
    EXPECT_EQ(p == SequenciaEscape::COMPLETA, c.completa) << c.bytes;
    // Only an ESC so far: the Esc key, when the next byte cannot follow it.
    EXPECT_EQ(s.vazia(), c.tomados == 0 || (!c.completa && c.bytes[c.tomados - 1] == '\x1b')) << c.bytes;
    int linha = 0, coluna = 0;
    EXPECT_EQ(s.clique(linha, coluna), c.linha != 0) << c.bytes;
    if (c.linha != 0) {
      EXPECT_EQ(linha * 1000 + coluna, c.linha * 1000 + c.coluna) << c.bytes;
    }
  }
}

// A sequence cut short by time is not whole: nothing of it is a click.
TEST(SequenciaEscape, ASequenceCutShortIsNoClick) {
  for (const std::string bytes : {"[M *", "[<0;10;16"}) {
    SequenciaEscape s;
    s.comeca();
    for (unsigned char b : bytes) EXPECT_EQ(s.junta(b), SequenciaEscape::CONTINUA);
    int linha, coluna;
    EXPECT_FALSE(s.clique(linha, coluna)) << bytes;
  }
}

}  // namespace
