#!/bin/sh
# Line editing and the end of the program in a real terminal: on the data-folder screen (option 4) an answer of
# 70 characters wraps onto the next row and Backspace erases it back across the wrap, the answer taken being the
# one shown; after No at the end box the status line says how to close the window, and q closes it.
# Usage: terminal_linha_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

mkdir "$pasta/x"
arranca
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
clique 15 10
espera_texto "(Ex: c:\\PALUDEX\\dados) ===>"
tm send-keys -t teste -l "x$(printf '%69s' '' | tr ' ' y)"
espera_linha 17 "y"
tm send-keys -t teste -N 69 BSpace
espera_linha 17 ""
espera_linha 16 "   (Ex: c:\\PALUDEX\\dados) ===> x"
tm send-keys -t teste Enter
espera_linha 4 " na diretoria -->x"
fecha_com q
echo "ok"
