#!/bin/sh
# The terminal window under tmux: a mouse press on option 5 of the main menu ends the program, the end box
# appears and "y" closes it with exit status 0.  Usage: terminal_test.sh PROGRAM
set -u

if ! command -v tmux >/dev/null 2>&1; then
  echo "tmux not found, skipped"
  exit 0
fi

programa=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
pasta=$(mktemp -d)
socket="paludex-terminal-$$-$(date +%s%N)"
export LC_ALL=C.UTF-8
ficheiro_socket=""

# tmux leaves its socket behind.
fim() {
  tmux -L "$socket" kill-server 2>/dev/null
  rm -rf "$pasta" "$ficheiro_socket"
}
trap fim EXIT

falha() {
  echo "FALHOU: $1"
  [ -f "$pasta/ecra" ] && cat "$pasta/ecra"
  exit 1
}

# Waits at most 10 s for the pane to show the text; the pane is left in $pasta/ecra.
espera_texto() {
  for _ in $(seq 100); do
    tmux -L "$socket" capture-pane -p -t paludex >"$pasta/ecra" 2>/dev/null
    grep -qF "$1" "$pasta/ecra" && return 0
    sleep 0.1
  done
  falha "o ecrã não mostrou \"$1\""
}

# The character of the code N.
carater() { printf "\\$(printf %03o "$1")"; }

# A left press and its release at ROW COL, in the mouse protocol the program turned on (SGR, else X10).
clique() {
  if [ "$(tmux -L "$socket" display -p -t paludex '#{mouse_sgr_flag}')" = 1 ]; then
    sequencia=$(printf '\033[<0;%d;%dM\033[<0;%d;%dm' "$2" "$1" "$2" "$1")
  else
    celula=$(carater $((32 + $2)))$(carater $((32 + $1)))
    sequencia=$(printf '\033[M ')$celula$(printf '\033[M#')$celula
  fi
  tmux -L "$socket" send-keys -t paludex -l "$sequencia"
}

tmux -L "$socket" -f /dev/null new-session -d -s paludex -x 110 -y 35 -c "$pasta" \
  env TERM=xterm-256color sh -c '"$1"; echo $? > estado' sh "$programa" || falha "o tmux não arrancou"
ficheiro_socket=$(tmux -L "$socket" display -p '#{socket_path}')

espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
grep -qF "Opção 5: Fim do programa" "$pasta/ecra" || falha "o menu não mostra a opção 5"
clique 17 10
espera_texto "Exit Window?"
tmux -L "$socket" send-keys -t paludex y

for _ in $(seq 100); do
  [ -s "$pasta/estado" ] && break
  sleep 0.1
done
[ -s "$pasta/estado" ] || falha "o programa não acabou"
[ "$(cat "$pasta/estado")" = 0 ] || falha "estado de saída $(cat "$pasta/estado")"
echo "ok"
