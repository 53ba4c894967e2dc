#!/bin/sh
# Hostile streams at a typed answer (option 4's prompt), each in a program of its own: the program lives, and
# what is typed after the stream shows as typed: 10^5 Esc bytes; X10 reports with every button, column and
# row byte from 32 to 255, none of which edits the answer; an OSC cut short by a CSI; and a seeded random
# stream of 10^5 bytes, most of them bytes that frame escape sequences (the terminal's signal and suspend
# characters and the line ends left out), sent as an answer, after which a plain answer is taken whole.
# Usage: terminal_fluxos_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

PROMPT='   (Ex: c:\PALUDEX\dados) ===> '
mkdir "$pasta/abcd"

# The bytes of standard input sent to the pane, 4000 a time (as hex, so that any byte goes as it is).
envia() {
  od -An -v -tx1 | tr -s ' \n' '\n\n' | grep . | split -l 4000 - "$pasta/lote."
  for lote in "$pasta"/lote.*; do
    tm send-keys -t teste -H $(cat "$lote")
    rm -f "$lote"
  done
}

# The program at option 4's prompt, with "a" typed.
no_prompt() {
  arranca
  espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
  clique 15 10
  espera_texto "(Ex: c:\\PALUDEX\\dados) ===>"
  tm send-keys -t teste -l a
  espera_linha 16 "${PROMPT}a"
}

# Ends the case: the answer typed so far is taken, which leaves the menu showing abcd as the data folder.
termina() {
  tm send-keys -t teste -l "$1"
  tm send-keys -t teste Enter
  espera_linha 4 " na diretoria -->abcd"
  sai
  tm kill-session -t teste
  rm "$pasta/diretoria.dat"
}

escapes() {
  no_prompt
  awk 'BEGIN { for (i = 0; i < 100000; i++) printf "\033" }' | envia
  sleep 0.3
  tm send-keys -t teste -l bc
  espera_linha 16 "${PROMPT}abc"
  tm send-keys -t teste BSpace BSpace BSpace
  termina abcd
}

x10() {
  no_prompt
  awk 'BEGIN { for (v = 32; v <= 255; v++) printf "\033[M%c!!\033[M %c!\033[M !%c", v, v, v }' | LC_ALL=C envia
  tm send-keys -t teste -l k
  espera_linha 16 "${PROMPT}ak"
  tm send-keys -t teste BSpace BSpace
  termina abcd
}

osc() {
  no_prompt
  printf '\033]0;x\033[99~z' | envia
  espera_linha 16 "${PROMPT}az"
  tm send-keys -t teste BSpace BSpace
  termina abcd
}

aleatorio() {
  no_prompt
  # Most bytes from those that frame escape sequences without ending them, the rest from all bytes.
  awk 'BEGIN { srand(20261211); split("27 27 27 91 59 60 63 49 50", quadro); n = 0
         while (n < 100000) {
           b = rand() < 0.9 ? quadro[1 + int(rand() * 9)] : int(rand() * 256)
           if (b == 3 || b == 10 || b == 13 || b == 26 || b == 28) continue
           printf "%c", b; n++ } }' | LC_ALL=C envia
  sleep 0.3
  tm send-keys -t teste Enter
  espera_texto "Não se pode entrar na pasta"
  termina abcd
}

falhas=""
for caso in ${CASOS:-escapes x10 osc aleatorio}; do
  ( $caso ) || { falhas="$falhas $caso"; tm kill-session -t teste 2>/dev/null; }
done
[ -z "$falhas" ] || { echo "FALHOU:$falhas"; exit 1; }
echo "ok"
