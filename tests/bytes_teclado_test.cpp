#include "bytes_teclado.h"

#include <gtest/gtest.h>

namespace {

// Byte by byte, the characters come out as soon as they are known, and a cut gives what was held back; the
// whole equals what de_utf8 makes of the same bytes, so typing and a script line agree.
TEST(BytesTeclado, CharactersComeOutAsSoonAsTheyAreKnown) {
  const struct {
    std::string bytes, antes_do_corte, depois;
  } casos[] = {
      {"ab", "ab", ""},
      {"\xC3\xA7", "\xE7", ""},                  // ç in UTF-8
      {"\xE2\x82\xAC", "\x80", ""},              // €
      {"\xF0\x9F\x98\x80", "?", ""},             // a character that Windows-1252 lacks
      {"\xE7", "", "\xE7"},                      // a Latin-1 ç alone: a lead byte, held until the cut
      {"\xE7" "a", "\xE7" "a", ""},              // ...or until a byte that cannot go on with it
      {"\xE7\xE3", "\xE7", "\xE3"},              // ç ã from a Latin-1 keyboard: the second is a lead too
      {"\xE7\xA7", "", "\xE7\xA7"},              // a lead and a continuation, cut short
      {"\xE7\xA7" "a", "\xE7\xA7" "a", ""},
      {"\xA7\x81", "\xA7\x81", ""},              // continuation bytes alone
      {"\xC0\xAF", "\xC0\xAF", ""},              // an overlong "/"
      {"\xED\xA0\x80", "\xED\xA0\x80", ""},      // a surrogate
      {"\xE7\n", "\xE7\n", ""},                  // Enter right after the byte
  };
  for (const auto& c : casos) {
    BytesTeclado t;
    std::string saida;
    for (unsigned char b : c.bytes) saida += t.junta(b);
    EXPECT_EQ(saida, c.antes_do_corte) << c.bytes;
    EXPECT_EQ(t.a_meio(), !c.depois.empty()) << c.bytes;
    EXPECT_EQ(t.corta(), c.depois) << c.bytes;
    EXPECT_FALSE(t.a_meio());
  }
}

}  // namespace
