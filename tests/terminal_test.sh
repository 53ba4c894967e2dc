#!/bin/sh
# The terminal window under tmux: a mouse press on option 5 of the main menu ends the program, the end box
# appears and "y" closes it with exit status 0.  Usage: terminal_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

arranca
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
espera_texto "Opção 5: Fim do programa"
sai
echo "ok"
