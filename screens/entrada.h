// The presentation screen: the program's title, the version line and an invitation to click, in a
// child window of its own until a click. The system's start-up does not show it.
#pragma once
#include <cstdint>

// Pixels per window unit of a window numxpixels wide: the window is 320 units across.
float escala_janela(int16_t numxpixels);
// XTEXT of a text w pixels wide centred on the 320 units (negative when the text is wider than the window).
double centra_xtext(int32_t w, float ESCALA);

// The screen, with the version line of IVERSAO 0; another IVERSAO shows the title and the click line
// alone, where they stand for 0.
void ENTRADA(int IVERSAO);
