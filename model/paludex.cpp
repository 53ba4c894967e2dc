#include "paludex.h"

#include "cp1252.h"
#include "erro.h"
#include "ficheiro_escrita.h"
#include "mensagem.h"
#include "cultura.h"
#include "paludec.h"
#include "respostas.h"
#include "rotinas_minhas.h"
#include "solo.h"

namespace {

// An option that meets a file it cannot read or write, or refuses, ends with its message; the menu
// comes again. A fault of the program itself is shown the same way rather than ending the run.
void OPCAO(int IOP, int& IERR, const std::string& DIRET) {
  std::string texto, depois;
  try {
    if (IOP == 1) CRIA_CULTURA(IERR);
    if (IOP == 2) SOLO(IERR);
    if (IOP == 3) PALUDEC(IERR, DIRET);
    return;
  } catch (const ErroGravacao& e) {
    texto = e.mensagem();
    // A run that could not write its result files has put none of them in place.
    if (IOP == 3 && e.intactos) depois = "Os resultados que já existiam com este código ficam como estavam."_w;
  } catch (const ErroFicheiro& e) {
    texto = e.mensagem();
  } catch (const std::exception& e) {
    texto = "Erro interno do programa: " + de_utf8(e.what());
  }
  // Whatever the option left on the screen, the rows of the message hold nothing else.
  mensagem("");
  mensagem(" " + texto);
  if (!depois.empty()) mensagem(" " + depois);
  CARREGUE();
}

}  // namespace

void PALUDEX() {
  std::string DIRET(TAM_DIRET, ' '), DIRET0(TAM_DIRET, ' ');
  // IERR is the flag that options 1 to 3 set to 1 when left with "0": the menu comes again either way, so
  // nothing reads it.
  int IDEF = 0, IOP = 0, IERR = 0;
  JANELA_BRANCA();
  DIRETORIA_CORRENTE(DIRET0);
  bool EXISTS = LE_DIRETORIA(FICHDIR(DIRET0), DIRET);
  if (!EXISTS) DIRET = DIRET0;
  for (;;) {
    IERR = 0;
    SALTA();
    M_MENU_INICIAL_PALUDEX(IOP, DIRET, DIRET0, IDEF);
    if (IOP < 1 || IOP > 5) continue;
    OPCAO(IOP, IERR, DIRET);
    IDEF = 0;
    if (IOP == 4) {
      DEFEIT(DIRET0, DIRET);
      IDEF = 1;
    }
    if (IOP == 5) return;
  }
}
