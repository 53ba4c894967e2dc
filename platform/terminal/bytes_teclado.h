// The bytes that the keyboard sends, put together into Windows-1252 characters: a UTF-8 sequence is one
// character, and a byte that is not part of one (a Latin-1 keyboard, a paste) is the character it stands for.
// At most the start of one UTF-8 sequence is held.
#pragma once
#include <string>

class BytesTeclado {
 public:
  // Takes one byte; returns the characters it completes (none while a UTF-8 sequence may still go on).
  std::string junta(unsigned char byte);
  // No byte came in time, or an escape sequence begins: a UTF-8 sequence begun ends here, its bytes as
  // characters.
  std::string corta();
  bool a_meio() const { return n_ > 0; }

 private:
  char pendentes_[4];  // the start of a UTF-8 sequence: a lead byte and up to two continuation bytes
  size_t n_ = 0;
};
