#!/bin/sh
# The terminal's own keys and what it sends unasked, at the data-folder prompt (option 4): flow control is
# off while the program holds the terminal, so Ctrl-S freezes nothing and Ctrl-S and Ctrl-Q type nothing;
# replies of the terminal (cursor position, device attributes) and old-style (X10) mouse reports are taken
# whole, never typed, and an X10 press is a click as an SGR one is; Esc alone is still a key, which closes the
# window after No at the end box. Afterwards the terminal's modes are as before the program.
# Usage: terminal_teclas_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

mkdir "$pasta/abcd"
sessao 110 35 env TERM=xterm-256color \
  sh -c 'stty -g > antes; "$1"; s=$?; stty -g > depois; echo $s > estado; exec sleep 600' sh "$programa"
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
clique_x10 15 10
espera_texto "(Ex: c:\\PALUDEX\\dados) ===>"
stty -a -F "$(tm display -p -t teste '#{pane_tty}')" | grep -q -- '-ixon' || falha "o controlo de fluxo (IXON) está ligado"
tm send-keys -t teste -l a
tm send-keys -t teste -l "$(printf '\033[999;999R\033[?1;2c')"
clique_x10 16 40
tm send-keys -t teste -l b
tm send-keys -t teste C-s
tm send-keys -t teste -l c
espera_linha 16 "   (Ex: c:\\PALUDEX\\dados) ===> abc"
tm send-keys -t teste C-q
tm send-keys -t teste -l d
tm send-keys -t teste Enter
espera_linha 4 " na diretoria -->abcd"
fecha_com Escape
cmp -s "$pasta/antes" "$pasta/depois" || falha "os modos do terminal não são os de antes do programa"
echo "ok"
