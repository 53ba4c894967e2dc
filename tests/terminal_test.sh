#!/bin/sh
# The terminal window under tmux: a mouse press on option 5 of the main menu ends the program, the end box
# appears and "y" closes it with exit status 0.  Usage: terminal_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

arranca
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
grep -qF "Opção 5: Fim do programa" "$pasta/ecra" || falha "o menu não mostra a opção 5"
sai
echo "ok"
