#include "escolha_anos.h"

#include <string>

#include "mensagem.h"
#include "registos.h"
#include "rotinas_minhas.h"

namespace {

std::string ano4(int32_t ANO) { return fI(ANO, 4); }

void PERGUNTA_ANOS(int32_t IANO1, int32_t IANO2) {
  qw::escreve("");
  qw::escreve("");
  qw::escreve(" Tem disponivel dados meteorológicos da série "_w + ano4(IANO1) + "-" + ano4(IANO2));
  qw::escreve("  Escolha um ano (ex: " + ano4(IANO1) + ")");
  qw::escreve("  ou uma série de anos (ex: "_w + ano4(IANO1 + 1) + "-" + ano4(IANO2 - 1) + ")");
  qw::escreve("  ou pressione <enter> para escolher uma série com todos os anos"_w);
  qw::pergunta(" " + std::string(17, ' ') + std::string(45, '=') + "> ");
}

// Fixed fields of a typed answer; false when a field is not a number.
bool ANOS_TECLADOS(const std::string& linha, int32_t& ANO, int32_t* ANOF) {
  try {
    Campos c(linha);
    ANO = c.I(4);
    if (ANOF) {
      c.X(1);
      *ANOF = c.I(4);
    }
    return true;
  } catch (const ErroFicheiro&) {
    return false;
  }
}

// The range in its fixed layout, asked again after one line while its years are not numbers.
void SERIE_TECLADA(int32_t IANO1, int32_t IANO2, int32_t& ANO, int32_t& ANOF) {
  for (;;) {
    qw::escreve("");
    qw::escreve("");
    qw::pergunta(std::string(8, ' ') + "Série de anos pretendida? "_w);
    if (ANOS_TECLADOS(qw::le_linha(), ANO, &ANOF)) return;
    mensagem(std::string(8, ' ') + "Escreva dois anos de 4 algarismos separados por um carácter (ex: "_w +
             ano4(IANO1) + "-" + ano4(IANO2) + ").");
  }
}

}  // namespace

void ESCOLHE_ANOS(int32_t IANO1, int32_t IANO2, int32_t& ANO, int32_t& ANOF, int32_t& ISEQUE_CONST) {
  ISEQUE_CONST = 0;
  ANO = ANOF = IANO1;
  if (IANO1 == IANO2) return;
  for (;;) {
    PERGUNTA_ANOS(IANO1, IANO2);
    std::string ANO_CAR = fixo(qw::le_linha(), 9);
    if (ultimo(ANO_CAR) == 0) {
      ANO = IANO1;
      ANOF = IANO2;
    } else if (ANO_CAR[4] == '-') {
      SERIE_TECLADA(IANO1, IANO2, ANO, ANOF);
      // A first year after the period could not be read from the series either. A last year before the
      // first is no fault: the first year is computed alone.
      if (ANO < IANO1 || ANOF > IANO2 || ANO > IANO2) continue;
    } else {
      if (!ANOS_TECLADOS(ANO_CAR, ANO, nullptr)) {
        mensagem("  Escreva o ano em algarismos (ex: " + ano4(IANO1) + ").");
        continue;
      }
      if (ANO < IANO1 || ANO > IANO2) continue;
      ANOF = ANO;
      return;
    }
    do {
      M_MENU_REGA_CONST(ISEQUE_CONST);
    } while (ISEQUE_CONST != 1 && ISEQUE_CONST != 2);
    // The span of a long period may not fit 32 bits.
    if (ISEQUE_CONST == 1 || int64_t{ANOF} - ANO < MAX_ANOS_FREQUENCIA) return;
    SALTA();
    mensagem(" Com os mesmos dados da rega todos os anos a série não pode ter mais de "_w +
             std::to_string(MAX_ANOS_FREQUENCIA) + " anos");
    ISEQUE_CONST = 0;
  }
}
