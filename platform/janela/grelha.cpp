#include "grelha.h"

Grelha::Grelha() { limpa(); }

void Grelha::escreve(const std::string& texto) {
  for (unsigned char c : texto) {
    if (pendente_) nova_linha();
    cel_[linha_ - 1][coluna_ - 1] = Celula{c, cor_texto, cor_fundo};
    if (coluna_ == COLUNAS)
      pendente_ = true;
    else
      ++coluna_;
  }
}

void Grelha::fim_registo() { nova_linha(); }

void Grelha::nova_linha() {
  pendente_ = false;
  coluna_ = 1;
  if (linha_ == LINHAS)
    sobe();
  else
    ++linha_;
}

bool Grelha::apaga_anterior() {
  if (pendente_) {
    pendente_ = false;
  } else if (coluna_ > 1) {
    --coluna_;
  } else if (linha_ > 1) {
    --linha_;
    coluna_ = COLUNAS;
  } else {
    return false;
  }
  cel_[linha_ - 1][coluna_ - 1] = Celula{' ', cor_texto, cor_fundo};
  return true;
}

void Grelha::desenha(int linha, int coluna, const std::string& texto, int32_t cor) {
  for (size_t i = 0; i < texto.size() && coluna + i <= COLUNAS; ++i)
    cel_[linha - 1][coluna - 1 + i] = Celula{static_cast<unsigned char>(texto[i]), cor, cor_fundo};
}

void Grelha::sobe() {
  for (int l = 1; l < LINHAS; ++l) cel_[l - 1] = cel_[l];
  cel_[LINHAS - 1].fill(Celula{' ', cor_texto, cor_fundo});
}

void Grelha::limpa() {
  for (auto& l : cel_) l.fill(Celula{' ', cor_texto, cor_fundo});
  posicao(1, 1);
}

void Grelha::posicao(int linha, int coluna) {
  linha_ = linha < 1 ? 1 : linha > LINHAS ? LINHAS : linha;
  coluna_ = coluna < 1 ? 1 : coluna > COLUNAS ? COLUNAS : coluna;
  pendente_ = false;
}

std::string Grelha::texto_linha(int linha) const {
  std::string r;
  for (const Celula& c : cel_[linha - 1]) r += static_cast<char>(c.ch);
  return r;
}
