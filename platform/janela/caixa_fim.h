// The end-of-program box, drawn over the grid by both text windows: its place and its two buttons.
#pragma once
#include <string>

namespace caixa_fim {
constexpr int LINHA1 = 12, LINHA2 = 18, COLUNA1 = 30, COLUNA2 = 70;  // frame of the box
constexpr int LINHA_BOTOES = 17;
constexpr int SIM1 = 40, SIM2 = 46;  // "[ Yes ]"
constexpr int NAO1 = 54, NAO2 = 59;  // "[ No ]"

// The rows of the box from LINHA1 to LINHA2, each COLUNA2 - COLUNA1 + 1 characters.
std::string linha(int l, const std::string& texto);
// 1 for a press on Yes, 2 on No, 0 elsewhere.
int botao(int linha, int coluna);
// The button a key answers: 1 Yes (y or, in Portuguese, s, either case), 2 No (n or N), 0 none.
int tecla(char c);
// After No, the window stays until q (either case) or Esc closes it; whether the character is that q.
bool fecha(char c);
}  // namespace caixa_fim
