#!/bin/sh
# Bytes that are not UTF-8 typed in a UTF-8 terminal (a Latin-1 keyboard, a paste): E7 is "ç" whether a byte
# follows it at once or nothing does; a byte that Windows-1252 leaves undefined and a control are left out;
# the keyboard and the mouse go on working and the program ends with status 0.
# Usage: terminal_byte_latino_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

mkdir "$pasta/praça_çç"
arranca
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
clique 15 10
espera_texto "(Ex: c:\\PALUDEX\\dados) ===>"
tm send-keys -t teste -l pr
tm send-keys -t teste -H 81 01 61 e7 61 5f
espera_linha 16 "   (Ex: c:\\PALUDEX\\dados) ===> praça_"
tm send-keys -t teste -H e7
espera_linha 16 "   (Ex: c:\\PALUDEX\\dados) ===> praça_ç"
tm send-keys -t teste -l ç
tm send-keys -t teste Enter
espera_linha 4 " na diretoria -->praça_çç"
sai
echo "ok"
