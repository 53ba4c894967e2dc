// The bytes that the keyboard sends, put together into Windows-1252 characters: a UTF-8 sequence is one
// character, and a byte that is not part of one (a Latin-1 keyboard, a paste) is the character it stands for.
#pragma once
#include <string>

class BytesTeclado {
 public:
  // Takes one byte; returns the characters it completes (none while a UTF-8 sequence may still go on).
  std::string junta(unsigned char byte);
  // No byte came in time, or a key that is not a byte: a sequence begun ends here, its bytes as characters.
  std::string corta();
  bool a_meio() const { return !pendentes_.empty(); }

 private:
  std::string pendentes_;  // the start of a UTF-8 sequence
};
