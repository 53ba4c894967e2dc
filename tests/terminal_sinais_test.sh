#!/bin/sh
# Ctrl-C, Ctrl-\ and SIGTERM at every kind of wait for input end the program within half a second, with exit
# status 128 + the signal, the terminal handed back and no temporary file left: a click (the initial menu), a
# typed line (option 4's prompt), each also with half a mouse report read, the pause after a message, the wait
# for the data folder's lock that another program holds, the end box, the wait after No at the end box, and the
# message of a terminal too small. Usage: terminal_sinais_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

# A folder for option 4, and a folder where the settings file would go, so that option 4 cannot keep the
# choice and says so with a pause.
mkdir "$pasta/abcd" "$pasta/diretoria.dat"

menu() { espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"; }
# Half a report, read by the program within the 100 ms that it waits for the rest.
clique_a_meio() { menu; tm send-keys -t teste -l "$(printf '\033[<0;1')"; sleep 0.05; }
linha() { menu; clique 15 10; espera_texto "(Ex: c:\\PALUDEX\\dados) ===>"; }
linha_a_meio() { linha; tm send-keys -t teste -l "a$(printf '\033[<0;1')"; sleep 0.05; }
pausa() {
  linha
  tm send-keys -t teste -l abcd
  tm send-keys -t teste Enter
  espera_texto "Pressione <ENTER> para continuar"
}
# The settings file waits for the start folder's lock, which another program takes once the program has opened
# the folder at its start.
trinco() {
  linha
  flock -o "$pasta" sleep 60 &
  echo $! >"$pasta/trinco"
  while flock -n "$pasta" true; do sleep 0.01; done
  tm send-keys -t teste -l abcd
  tm send-keys -t teste Enter
  espera_texto "Outro programa está a gravar nesta pasta"
}
# The other program ends, whatever became of the case.
solta_trinco() {
  [ -f "$pasta/trinco" ] || return 0
  pkill -P "$(cat "$pasta/trinco")"
  rm "$pasta/trinco"
}
caixa() { menu; clique 17 10; espera_texto "Exit Window?"; }
fecho() { caixa; tm send-keys -t teste Enter; espera_texto "q ou Esc: fechar a janela"; }
pequeno() { espera_texto "O terminal tem de ter pelo menos 31 linhas x 100 colunas."; }

# The wait $1 reached in a new program, then the signal $2 (a key, or a signal sent to the program): the end
# within 500 ms with status $3.
interrompe() {
  rm -f "$pasta/estado"
  if [ "$1" = pequeno ]; then arranca xterm-256color 80 24; else arranca; fi
  $1
  programa_id=$(pgrep -P "$(tm display -p -t teste '#{pane_pid}')")
  inicio=$(date +%s%N)
  case $2 in
    C-*) tm send-keys -t teste "$2" ;;
    *) kill "-$2" "$programa_id" ;;
  esac
  while [ ! -s "$pasta/estado" ] && [ $(($(date +%s%N) - inicio)) -lt 2000000000 ]; do sleep 0.01; done
  ms=$((($(date +%s%N) - inicio) / 1000000))
  [ -s "$pasta/estado" ] || falha "$1, $2: o programa não acabou"
  [ "$ms" -le 500 ] || falha "$1, $2: o programa acabou só ao fim de $ms ms"
  espera_fim "$3"
  [ -z "$(ls -A "$pasta" | grep 'tmp')" ] || falha "$1, $2: ficou um ficheiro temporário"
  tm kill-session -t teste
}

falhas=""
for espera in menu clique_a_meio linha linha_a_meio pausa trinco caixa fecho pequeno; do
  for sinal in C-c:130 'C-\:131' TERM:143; do
    if ! (interrompe "$espera" "${sinal%:*}" "${sinal#*:}"); then
      falhas="$falhas $espera/${sinal%:*}"
      tm kill-session -t teste 2>/dev/null
    fi
    solta_trinco
  done
done
[ -z "$falhas" ] || { echo "FALHOU:$falhas"; exit 1; }
echo "ok"
