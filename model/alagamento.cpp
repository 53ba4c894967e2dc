#include <cmath>

#include "lamina1.h"
#include "mensagem.h"
#include "registos.h"
#include "respostas.h"
#include "rotinas_minhas.h"

namespace {

bool dias_validos(int32_t ND) { return ND >= 1 && ND <= MAX_SUBAREAS; }

// One number above 0 after its prompt; one that cannot be read is refused with the reason.
float POSITIVO(const std::string& prompt, const std::string& recusa) {
  return PERGUNTA_REAL({}, prompt, [&](float valor, std::string& porque) {
    porque = recusa;
    return valor > 0;
  });
}

// A flooding option that cannot be kept: its line, a pause, and the menu again.
void OUTRA_OPCAO(const std::string& linha) {
  mensagem(brancos(8) + linha);
  ENTER();
}

}  // namespace

std::string EXCEDE_TABELA(int32_t NCICLO, int32_t ND) {
  if (!dias_validos(ND)) return "os " + std::to_string(ND) + " dias para alagar o bloco não são de 1 a 50"_w;
  return "o ciclo de " + std::to_string(NCICLO) + " dias mais " + std::to_string(ND) +
         " para alagar o bloco passa os " + std::to_string(MAX_DIAS) + " dias do cálculo"_w;
}

bool CABE_NA_TABELA(int32_t NCICLO, int32_t ND) { return dias_validos(ND) && NCICLO + ND <= MAX_DIAS; }

int32_t ND_CAUDAL(float LAM0, float LLAV1, float POROS, float CAUDAL, float HORAS) {
  float V = ((LAM0 + (LLAV1 * POROS) / 100) + 0.005f) * 10000;
  float Q = (CAUDAL * HORAS) * 3.6f;
  float R = V / Q;
  // A flow near 0 gives days far beyond the table: they are cut before INT, which could not hold them.
  if (!(std::fabs(R) < 1000)) R = 1000;
  float INTR = static_cast<float>(static_cast<int32_t>(R));
  return R >= INTR + 0.5f ? static_cast<int32_t>(INTR) + 1 : static_cast<int32_t>(INTR);
}

void ALAGAMENTO(const CalendarioLaminas& C, float LLAV1, float POROS, ParametrosAlagamento& P) {
  for (;;) {
    int IOPT = 0;
    M_MENU_REGA_ALAGA(IOPT);
    P.ALEF = IOPT == 2 ? '2' : '1';
    for (int k = 1; k <= 8; ++k) qw::escreve("");
    if (P.ALEF == '1') {
      P.ND = PERGUNTA_INTEIRO({}, brancos(8) + "Número de dias para alagar todo o bloco ? ==> "_w,
                              [](int32_t ND, std::string& recusa) {
                                recusa = brancos(8) + "O número de dias tem de ser de 1 a 50."_w;
                                return dias_validos(ND);
                              });
    } else {
      P.CAUDAL = POSITIVO(brancos(8) + "Caudal? (l/s)/ha ===========================> ",
                          brancos(8) + "O caudal tem de ser maior que 0.");
      P.HORAS = POSITIVO(brancos(8) + "Duração diária da rega? (h) ================> "_w,
                         brancos(8) + "A duração da rega tem de ser maior que 0."_w);
      P.ND = ND_CAUDAL(C.LAMPED(1), LLAV1, POROS, P.CAUDAL, P.HORAS);
      if (!dias_validos(P.ND)) {
        OUTRA_OPCAO(P.ND < 1 ? "Com este caudal o bloco alaga-se em menos de meio dia (mínimo 1 dia)."_w
                             : "Com este caudal alagar o bloco leva mais de 50 dias (máximo 50)."_w);
        continue;
      }
    }
    if (!CABE_NA_TABELA(C.NCICLO, P.ND)) {
      OUTRA_OPCAO("Impossível: "_w + EXCEDE_TABELA(C.NCICLO, P.ND) + ".");
      continue;
    }
    int32_t ND = P.ND;
    P.NCANT = PERGUNTA_INTEIRO({"", "", brancos(8) + "Indique o tempo que demora a terminar a"},
                               brancos(8) + "rega do arroz em todo o bloco (<=" + fI(ND, 2) + " dias) ==> ",
                               [ND](int32_t NCANT, std::string& recusa) {
                                 recusa = brancos(8) + "O tempo tem de ser de 1 a " + std::to_string(ND) + " dias.";
                                 return NCANT >= 1 && NCANT <= ND;
                               });
    P.NDFIM = P.NCANT;
    qw::escreve("");
    qw::escreve("");
    if (CORRETOS()) break;
    SALTA();
  }
  for (int k = 1; k <= 6; ++k) qw::escreve("");
  qw::escreve(brancos(8) + " A CALCULAR NECESSIDADES DE REGA DO ARROZ");
}
