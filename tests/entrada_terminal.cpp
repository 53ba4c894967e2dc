// The presentation screen in the terminal, to see by hand or under tmux (tests/entrada_terminal_test.sh):
// a line on the text window, ENTRADA(0) over it until a click, then the line back; a click or Enter ends.
#include "consola_terminal.h"
#include "rotinas_minhas.h"

int main() {
  try {
    ConsolaTerminal terminal;
    usa_consola(&terminal);
    JANELA_BRANCA();
    qw::escreve("Janela de texto antes da apresentação"_w);
    ENTRADA(0);
    qw::escreve("A janela de texto voltou: clique ou <ENTER> para acabar");
    qw::espera_qualquer();
  } catch (const FimForcado& f) {
    return f.estado;
  }
}
