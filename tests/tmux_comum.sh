# What the tests in a real terminal share; sourced with the program as $1. Without tmux the test is skipped.
# Gives tm (tmux on a server of the test's own), falha MESSAGE, arranca (the program in a 110 x 35 pane of
# the session "teste", run in the folder $pasta), espera_texto TEXT, clique ROW COL and espera_fim (the
# program ends with exit status 0).

if ! command -v tmux >/dev/null 2>&1; then
  echo "tmux not found, skipped"
  exit 0
fi

programa=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
pasta=$(mktemp -d)
socket="paludex-$(basename "$0" .sh)-$$-$(date +%s%N)"
ficheiro_socket=""
export LC_ALL=C.UTF-8
tm() { tmux -L "$socket" "$@"; }

# tmux leaves its socket file behind.
fim() {
  tm kill-server 2>/dev/null
  rm -rf "$pasta" "$ficheiro_socket"
}
trap fim EXIT

falha() {
  echo "FALHOU: $1"
  [ -f "$pasta/ecra" ] && cat "$pasta/ecra"
  exit 1
}

arranca() {
  tm -f /dev/null new-session -d -s teste -x 110 -y 35 -c "$pasta" \
    env TERM=xterm-256color sh -c '"$1"; echo $? > estado' sh "$programa" || falha "o tmux não arrancou"
  ficheiro_socket=$(tm display -p '#{socket_path}')
}

# Waits at most 10 s for the pane to show the text; the pane is left in $pasta/ecra.
espera_texto() {
  for _ in $(seq 100); do
    tm capture-pane -p -t teste >"$pasta/ecra" 2>/dev/null
    grep -qF "$1" "$pasta/ecra" && return 0
    sleep 0.1
  done
  falha "o ecrã não mostrou \"$1\""
}

# The character of the code N.
carater() { printf "\\$(printf %03o "$1")"; }

# A left press and its release at ROW COL, in the mouse protocol the program turned on (SGR, else X10).
clique() {
  if [ "$(tm display -p -t teste '#{mouse_sgr_flag}')" = 1 ]; then
    sequencia=$(printf '\033[<0;%d;%dM\033[<0;%d;%dm' "$2" "$1" "$2" "$1")
  else
    celula=$(carater $((32 + $2)))$(carater $((32 + $1)))
    sequencia=$(printf '\033[M ')$celula$(printf '\033[M#')$celula
  fi
  tm send-keys -t teste -l "$sequencia"
}

espera_fim() {
  for _ in $(seq 100); do
    [ -s "$pasta/estado" ] && break
    sleep 0.1
  done
  [ -s "$pasta/estado" ] || falha "o programa não acabou"
  [ "$(cat "$pasta/estado")" = 0 ] || falha "estado de saída $(cat "$pasta/estado")"
}
