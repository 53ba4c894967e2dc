# What the tests in a real terminal share; sourced with the program as $1. Without tmux the test is skipped.
# Gives tm (tmux on a server of the test's own), falha MESSAGE, arranca (the program in a 110 x 35 pane of
# the session "teste", run in the folder $pasta) and espera_fim (the program ends with exit status 0).

if ! command -v tmux >/dev/null 2>&1; then
  echo "tmux not found, skipped"
  exit 0
fi

programa=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
pasta=$(mktemp -d)
socket="paludex-$(basename "$0" .sh)-$$-$(date +%s%N)"
export LC_ALL=C.UTF-8
tm() { tmux -L "$socket" "$@"; }
trap 'tm kill-server 2>/dev/null; rm -rf "$pasta"' EXIT

falha() {
  echo "FALHOU: $1"
  [ -f "$pasta/ecra" ] && cat "$pasta/ecra"
  exit 1
}

arranca() {
  tm -f /dev/null new-session -d -s teste -x 110 -y 35 -c "$pasta" \
    env TERM=xterm-256color sh -c '"$1"; echo $? > estado' sh "$programa" || falha "o tmux não arrancou"
}

espera_fim() {
  for _ in $(seq 100); do
    [ -s "$pasta/estado" ] && break
    sleep 0.1
  done
  [ -s "$pasta/estado" ] || falha "o programa não acabou"
  [ "$(cat "$pasta/estado")" = 0 ] || falha "estado de saída $(cat "$pasta/estado")"
}
