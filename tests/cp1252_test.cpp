#include "cp1252.h"

#include <gtest/gtest.h>

namespace {

// UTF-8 becomes Windows-1252; bytes that are not UTF-8 (a Windows name, a Latin-1 keyboard) stay the
// characters they stand for, so that nothing typed or listed turns into "?" on its way in.
TEST(Cp1252, Utf8AndStrayBytesBecomeWindows1252) {
  const struct {
    std::string entrada, saida;
  } casos[] = {
      {"Évora ç", "\xC9vora \xE7"},
      {"€ “x” ☃ 😀", "\x80 \x93x\x94 ? ?"},
      {"\xC9vora", "\xC9vora"},        // Windows-1252 É followed by ASCII
      {"a\xE7\xE3o", "a\xE7\xE3o"},    // ç and ã from a Latin-1 keyboard
      {"\xC3", "\xC3"},                // a sequence cut short by the end
      {"\xC3(", "\xC3("},              // a lead byte without its continuation
      {"\x80\x9F", "\x80\x9F"},        // continuation bytes alone
      {"\xC0\xAF", "\xC0\xAF"},        // an overlong "/"
      {"\xED\xA0\x80", "\xED\xA0\x80"},  // a surrogate
      {"\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},  // past U+10FFFF
  };
  for (const auto& c : casos) EXPECT_EQ(de_utf8(c.entrada), c.saida) << c.entrada;
}

TEST(Cp1252, StrayBytesRoundTripThroughTheirUtf8Form) {
  EXPECT_EQ(para_utf8(de_utf8("\xC9vora")), "Évora");
  EXPECT_EQ(para_utf8("\x80\x81"), "€?");  // 0x81 is undefined in Windows-1252
}

TEST(Cp1252, SequenceLengths) {
  char32_t u = 0;
  EXPECT_EQ(sequencia_utf8("a", 0, u), 1);
  EXPECT_EQ(u, U'a');
  EXPECT_EQ(sequencia_utf8("xç", 1, u), 2);
  EXPECT_EQ(u, U'ç');
  EXPECT_EQ(sequencia_utf8("€", 0, u), 3);
  EXPECT_EQ(u, U'€');
  EXPECT_EQ(sequencia_utf8("😀", 0, u), 4);
  EXPECT_EQ(sequencia_utf8("\xE2\x82", 0, u), 0);
  EXPECT_EQ(sequencia_utf8("\xE7", 0, u), 0);
}

}  // namespace
