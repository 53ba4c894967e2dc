// Nearest terminal colour to an RGB value r + 256*g + 65536*b, for terminals that cannot show it exactly.
#pragma once
#include <cstdint>
#include <vector>

namespace cores_terminal {
// Index of the palette colour nearest to rgb (squared distance in RGB); the first one on a tie. With fora,
// the colour at that index is left out and, of equally near ones, the one whose brightness differs most from
// it is taken (text never drawn in the colour of its background, and as readable as the palette allows).
int mais_proxima(int32_t rgb, const std::vector<int32_t>& paleta, int fora = -1);
// Colour number in the xterm 256-colour palette: the 6x6x6 cube (16-231) or the greys (232-255); other
// than the number fundo when given. The first 16 are left out: each terminal shows them differently.
int xterm256(int32_t rgb, int fundo = -1);
// Colour number among the basic colours (COLOR_BLACK ... COLOR_WHITE); with n >= 16 also among the
// bright ones (8-15); other than the number fundo when given.
int basica(int32_t rgb, int n, int fundo = -1);
}  // namespace cores_terminal
