#!/bin/sh
# The presentation screen in the terminal under tmux: ENTRADA(0) shows its three lines over the text
# window, a mouse press anywhere brings the text window back, Enter ends.  Usage: entrada_terminal_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

arranca
espera_linha 14 "                             CCÁLCULO DAS NECESSIDADES DE REGA DO ARROZ"
espera_linha 16 "                                    (Versao W10_2.1 junho 2021)"
espera_linha 18 "                                              Clique nesta janela para continuar"
espera_linha 1 ""
clique 25 90
espera_linha 1 "Janela de texto antes da apresentação"
espera_linha 2 "A janela de texto voltou: clique ou <ENTER> para acabar"
espera_linha 14 ""
tm send-keys -t teste Enter
espera_fim
echo "ok"
