// The few graphics operations of the presentation screen, on the grid of the text window: a child window
// over the text window, fonts, the text extent, window coordinates and text drawn at a position in them.
// A text of any font is drawn in cells, 8 pixels per character.
#pragma once
#include <cstdint>
#include <string>

namespace qw {

// A position in window coordinates.
struct wxycoord {
  double wx = 0, wy = 0;
};

// Makes the fonts available to f_setfont; returns how many there are (one: the cells).
int initializefonts();
// Selects the font by its option text ("t'Times New Roman'h22w10pvb"); every font is drawn in cells, so
// any option text selects it. Returns the index of the font.
int f_setfont(const std::string& opcoes);
// Width of the text in pixels in the current font.
int32_t f_getgtextextent(const std::string& texto);

// The coordinate system over the drawing area: (x1, y1) at the top left and (x2, y2) at the bottom
// right, or at the bottom left and top right when y grows upwards. A side of no length is refused (false).
bool setwindow(bool y_para_cima, double x1, double y1, double x2, double y2);
// Moves the drawing position; returns the previous one.
wxycoord f_moveto_w(double x, double y);
// Draws the text at the drawing position in the drawing colour, from the cell that holds that position
// (a position outside the grid draws from its nearest cell), cut at the last column; the drawing
// position moves past the text. The text position and the text colour stay as they were.
void f_outgtext(const std::string& texto);

// Opens a child window over the text window: the text window (contents, text position, colours,
// configuration, coordinates) is kept and the child gets a cleared grid and the title. A unit already
// open stays as it is; there is one child window at a time.
void abre_janela(int unidade, const std::string& titulo);
// Closes the child window of that unit: the text window is back as it was kept. Another unit: nothing.
void fecha_janela(int unidade);

}  // namespace qw
