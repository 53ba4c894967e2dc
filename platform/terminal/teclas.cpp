#include "teclas.h"

#include <cstring>

namespace {

// One row a key: the bytes that the terminal sends for it (nullptr: the terminal's suspend character, which
// the program takes as a key so that the terminal is handed back before the job stops) and its event.
const struct {
  const char* bytes;
  Evento::Tipo tipo;
} TECLAS[] = {
    {"\r", Evento::ENTER},     {"\n", Evento::ENTER}, {"\x1bOM", Evento::ENTER},  // the keypad's Enter
    {"\x7f", Evento::APAGA},   {"\b", Evento::APAGA},                             // Backspace
    {"\x1b", Evento::ESC},                                                        // Esc alone
    {nullptr, Evento::SUSPENDE},                                                  // Ctrl-Z
};

}  // namespace

bool tecla(const char* bytes, size_t n, int suspensao, Evento::Tipo& tipo) {
  for (const auto& t : TECLAS) {
    const bool igual = t.bytes ? std::strlen(t.bytes) == n && std::memcmp(t.bytes, bytes, n) == 0
                               : n == 1 && static_cast<unsigned char>(bytes[0]) == suspensao;
    if (!igual) continue;
    tipo = t.tipo;
    return true;
  }
  return false;
}
