#!/bin/sh
# A terminal that cannot show the screens (no cursor addressing, or unknown to terminfo) or take a click (no
# mouse in its description): the program says so on standard error, naming TERM, and ends with status 1
# without having written anything else to the terminal or changed its modes.
# Usage: terminal_recusado_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

for caso in "dumb:não posiciona o cursor no ecrã" "paludex-desconhecido:a base terminfo não o conhece" \
  "vt100:a sua descrição não tem rato, e o programa precisa de um: use um terminal com rato (por exemplo TERM=xterm-256color)"; do
  term=${caso%%:*}
  rm -f "$pasta/estado" "$pasta/saida"
  sessao 200 35 env TERM="$term" \
    sh -c 'stty -g > antes; "$1"; s=$?; stty -g > depois; echo $s > estado; exec sleep 600' sh "$programa"
  espera_texto "paludex: não é possível usar este terminal (TERM=$term): ${caso#*:}"
  espera_fim 1
  cmp -s "$pasta/antes" "$pasta/depois" || falha "$term: os modos do terminal mudaram"
  [ "$(tr -d '\033' <"$pasta/saida")" = "$(cat "$pasta/saida")" ] || falha "$term: escreveu sequências no terminal"
  tm kill-session -t teste
done
echo "ok"
