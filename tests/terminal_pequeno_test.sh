#!/bin/sh
# A terminal smaller than the grid: the program asks for a larger one, says that Ctrl-C ends it, and Ctrl-C
# ends it with the terminal restored.  Usage: terminal_pequeno_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

arranca xterm-256color 80 24
espera_linha 1 "O terminal tem de ter pelo menos 31 linhas x 100 colunas."
espera_linha 2 "Ctrl-C: terminar o programa."
tm send-keys -t teste C-c
espera_fim 130
echo "ok"
