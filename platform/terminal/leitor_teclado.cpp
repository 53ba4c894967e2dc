#include "leitor_teclado.h"

#include <string>

#include "cp1252.h"
#include "grelha.h"

namespace {
const unsigned char ESC = 0x1B;
}

bool LeitorTeclado::proximo(FonteBytes& fonte, Evento& e) {
  for (;;) {
    if (quantos_ > 0) {
      e = eventos_[primeiro_];
      primeiro_ = (primeiro_ + 1) % EVENTOS;
      --quantos_;
      return true;
    }
    if (inicio_ < fim_) {
      trata(static_cast<unsigned char>(lidos_[inicio_++]));
      continue;
    }
    const bool a_meio = em_sequencia_ || utf8_.a_meio();
    const int n = fonte.le(lidos_, sizeof lidos_, a_meio ? ESPERA_RESTO : -1);
    if (n < 0) return false;
    inicio_ = 0;
    fim_ = static_cast<size_t>(n);
    if (n == 0 && a_meio) pausa();
  }
}

void LeitorTeclado::junta(Evento::Tipo tipo, char c, int linha, int coluna) {
  if (quantos_ == EVENTOS) return;
  Evento& e = eventos_[(primeiro_ + quantos_++) % EVENTOS];
  e.tipo = tipo;
  e.c = c;
  e.linha = linha;
  e.coluna = coluna;
}

// A character is a key of the table, typed when printable, or nothing (a byte that Windows-1252 leaves
// undefined, a control character of no key).
void LeitorTeclado::caracteres(const std::string& texto) {
  for (char c : texto) {
    Evento::Tipo tipo;
    const unsigned char u = static_cast<unsigned char>(c);
    if (tecla(&c, 1, suspensao_, tipo))
      junta(tipo);
    else if (u >= ' ' && u != 0x7F && unicode(u) != 0)
      junta(Evento::CARACTER, c);
  }
}

// A sequence that ended: an ESC alone is the Esc key; when whole, a press in the grid is a click and a key of
// the table its key. The rest is dropped whole, as is a press outside the grid (the status line, a larger
// terminal).
void LeitorTeclado::fim_da_sequencia(SequenciaEscape::Passo p) {
  em_sequencia_ = false;
  if (p != SequenciaEscape::COMPLETA) {
    if (sequencia_.vazia()) junta(Evento::ESC);
    return;
  }
  int linha, coluna;
  const char* b;
  size_t n;
  Evento::Tipo tipo;
  if (sequencia_.clique(linha, coluna)) {
    if (linha <= Grelha::LINHAS && coluna <= Grelha::COLUNAS) junta(Evento::CLIQUE, 0, linha, coluna);
  } else if (sequencia_.bytes(b, n) && tecla(b, n, suspensao_, tipo)) {
    junta(tipo);
  }
}

void LeitorTeclado::trata(unsigned char byte) {
  if (em_sequencia_) {
    const SequenciaEscape::Passo p = sequencia_.junta(byte);
    if (p == SequenciaEscape::CONTINUA) return;
    fim_da_sequencia(p);
    if (p == SequenciaEscape::COMPLETA) return;
  }
  // Not in a sequence, or the first byte after one that it could not take.
  if (byte == ESC) {
    caracteres(utf8_.corta());
    sequencia_.comeca();
    em_sequencia_ = true;
  } else {
    caracteres(utf8_.junta(byte));
  }
}

void LeitorTeclado::pausa() {
  if (em_sequencia_) fim_da_sequencia(SequenciaEscape::FORA);
  caracteres(utf8_.corta());
}
