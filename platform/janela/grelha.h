// The text screen as a grid of 30 x 100 cells with colours, one text position, wrap and scroll.
// Both text windows (terminal and script) keep one of these and only differ in how they show it.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct Celula {
  unsigned char ch = ' ';
  int32_t texto = 0;         // RGB: r + 256*g + 65536*b
  int32_t fundo = 0xFFFFFF;
};

class Grelha {
 public:
  static constexpr int LINHAS = 30, COLUNAS = 100;
  static constexpr int LARGURA_CEL = 8, ALTURA_CEL = 16;

  Grelha();

  // Text written at the text position in the text colour; a text past column 100 goes on at column 1
  // of the next row. Writing into column 100 leaves the wrap pending until the next character.
  void escreve(const std::string& texto);
  // Ends a record: the next output begins at column 1 of the next row (a pending wrap is that row).
  void fim_registo();
  // Column 1 of the next row, scrolling up one row when row 30 is passed.
  void nova_linha();
  // Removes the character before the text position, at the end of the row above when the position is at
  // column 1 (line editing across a wrap); false when there is none (row 1, column 1).
  bool apaga_anterior();

  // Text drawn from a cell in a colour on the background colour, cut at column 100 (graphics text):
  // the text position and the text colour stay as they were.
  void desenha(int linha, int coluna, const std::string& texto, int32_t cor);

  void limpa();  // every cell blank in the background colour; position row 1, column 1
  void posicao(int linha, int coluna);
  int linha() const { return linha_; }
  int coluna() const { return pendente_ ? COLUNAS + 1 : coluna_; }

  int32_t cor_texto = 0, cor_fundo = 0xFFFFFF, cor_desenho = 0;
  bool cursor = true;

  const Celula& cel(int linha, int coluna) const { return cel_[linha - 1][coluna - 1]; }
  // Row of the screen as text (Windows-1252), 100 characters.
  std::string texto_linha(int linha) const;

 private:
  void sobe();
  std::array<std::array<Celula, COLUNAS>, LINHAS> cel_;
  int linha_ = 1, coluna_ = 1;
  bool pendente_ = false;
};
