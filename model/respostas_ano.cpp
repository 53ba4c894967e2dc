#include "respostas_ano.h"

#include <string>

#include "mensagem.h"
#include "registos.h"
#include "respostas.h"
#include "rotinas_minhas.h"

namespace {

const std::string BRANCOS_8(8, ' ');

// One prompt after an empty line, asked again, after a line that says why, until its answer can be read as
// a number.
float PERGUNTA_NUMERO(const std::string& texto) {
  for (;;) {
    qw::escreve("");
    qw::pergunta(BRANCOS_8 + texto);
    float valor;
    if (NUMERO(valor)) return valor;
  }
}

}  // namespace

bool RESPOSTAS_ANO(int32_t ANO, float& AREA, float& RU0, float& EA) {
  qw::escreve("");
  qw::escreve("");
  qw::escreve(BRANCOS_8 + "Ano:" + fI(ANO, 4));
  // The prompts in turn: an area not above 0 asks the area again, RU0 = 0 goes back to the area, and
  // EA = 0 goes back to RU0 once the confirmation is answered; each after a line that says so.
  enum { AREA_, RU0_, EA_, CONFIRMA } passo = AREA_;
  for (;;) {
    switch (passo) {
      case AREA_:
        AREA = PERGUNTA_NUMERO("Área do bloco cultivada com arroz (ha)=======> "_w);
        if (AREA > 0)
          passo = RU0_;
        else
          mensagem(BRANCOS_8 + "A área do bloco tem de ser maior que 0."_w);
        break;
      case RU0_:
        RU0 = PERGUNTA_NUMERO("Rserva utilizável preenchida no início (%) ==> "_w);
        passo = RU0 == 0 ? AREA_ : EA_;
        if (RU0 == 0) mensagem(BRANCOS_8 + "Com a reserva utilizável a 0, a área do bloco é pedida de novo."_w);
        break;
      case EA_:
        EA = PERGUNTA_NUMERO("Perdas acidentais (%) =======================> ");
        // The gross requirement divides by 1 - EA/100.
        if (EA >= 100)
          mensagem(BRANCOS_8 + "As perdas acidentais têm de ser inferiores a 100 %"_w);
        else
          passo = CONFIRMA;
        break;
      case CONFIRMA: {
        qw::escreve("");
        qw::escreve("");
        bool CERTO = CORRETOS();
        if (EA == 0) {
          mensagem(BRANCOS_8 + "As perdas acidentais não podem ser 0: a reserva utilizável é pedida de novo."_w);
          passo = RU0_;
          break;
        }
        if (!CERTO) return false;
        SALTA();
        return true;
      }
    }
  }
}
