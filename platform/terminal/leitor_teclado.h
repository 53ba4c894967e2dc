// The one loop that turns the terminal's bytes into events (keys, characters typed, left presses in the
// grid). Its state is fixed: a buffer of the bytes read, the start of one UTF-8 character, one escape sequence
// and the few events that one byte gives. Nothing recurses per byte or per sequence, so no stream of any
// length or content can crash it, grow its memory or hold up what is typed after it.
#pragma once
#include <cstddef>

#include "bytes_teclado.h"
#include "sequencia_escape.h"
#include "teclas.h"

// Where the bytes come from, and the wait for them.
class FonteBytes {
 public:
  virtual ~FonteBytes() = default;
  // Waits at most espera milliseconds (-1: no limit) for bytes and reads those that are there, at most n,
  // into b. Returns how many; 0 when the time passed without any; -1 when a signal came meanwhile.
  virtual int le(char* b, size_t n, int espera) = 0;
};

class LeitorTeclado {
 public:
  // How long the rest of a UTF-8 character or of an escape sequence may take, in milliseconds: a terminal
  // sends their bytes together. An ESC that nothing follows in that time is the Esc key.
  static constexpr int ESPERA_RESTO = 100;

  // suspensao: the terminal's suspend character (-1: none), a key of the table.
  explicit LeitorTeclado(int suspensao = -1) : suspensao_(suspensao) {}
  // The next event, reading from fonte as needed; false when a signal came before one was complete.
  bool proximo(FonteBytes& fonte, Evento& e);

 private:
  static constexpr size_t EVENTOS = 8;  // one byte gives at most four

  // One byte of input; what it completes goes to the events.
  void trata(unsigned char byte);
  // No byte came in time: what is begun ends.
  void pausa();
  void caracteres(const std::string& texto);
  void junta(Evento::Tipo tipo, char c = 0, int linha = 0, int coluna = 0);
  void fim_da_sequencia(SequenciaEscape::Passo p);

  int suspensao_;
  char lidos_[4096];
  size_t inicio_ = 0, fim_ = 0;  // the bytes of lidos_ not yet taken
  BytesTeclado utf8_;
  SequenciaEscape sequencia_;
  bool em_sequencia_ = false;
  Evento eventos_[EVENTOS];
  size_t primeiro_ = 0, quantos_ = 0;  // a ring
};
