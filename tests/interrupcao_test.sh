#!/bin/sh
# A program ended by a signal while option 3 holds its result files open leaves no temporary file and the
# earlier result files as they were: Ctrl-C, Ctrl-\ and SIGHUP in the terminal (exit status 128 + the signal,
# the terminal restored), and SIGTERM in script mode.  Usage: interrupcao_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"
exemplos=$(cd "$(dirname "$0")/../examples" && pwd)

# The sample data and the earlier results of the code c in folder $1.
prepara() {
  cp "$exemplos"/exemplo_*.txt "$1"
  printf 'necessidades anteriores\r\n' >"$1/c_NRG.txt"
  printf 'balanço anterior\r\n' >"$1/c_BAL.txt"
}

# Waits at most 10 s for the two temporary result files in folder $1; the id of the process that holds the
# first one open is left in $id.
espera_temporarios() {
  for _ in $(seq 100); do
    [ "$(ls -A "$1" | grep -c '^\.c_\(NRG\|BAL\)\.txt\.paludex-[A-Za-z0-9]\{6\}\.tmp$')" = 2 ] && break
    sleep 0.1
  done
  temporario=$(cd "$1" && pwd)/$(ls -A "$1" | grep '^\.c_NRG\.txt\.paludex-')
  id=""
  for fd in /proc/[0-9]*/fd/*; do
    [ "$(readlink "$fd" 2>/dev/null)" = "$temporario" ] && id=$(echo "$fd" | cut -d/ -f3) && break
  done
  [ -n "$id" ] || falha "a corrida não abriu os ficheiros de resultados"
}

# Folder $1 holds no temporary file and the earlier results unchanged.
confere() {
  [ -z "$(ls -A "$1" | grep 'tmp')" ] || falha "$2: ficou um ficheiro temporário: $(ls -A "$1" | tr '\n' ' ')"
  [ "$(cat "$1/c_NRG.txt")" = "$(printf 'necessidades anteriores\r')" ] || falha "$2: c_NRG.txt mudou"
  [ "$(cat "$1/c_BAL.txt")" = "$(printf 'balanço anterior\r')" ] || falha "$2: c_BAL.txt mudou"
}

# Option 3 up to the year question, with the sample files and the output code c.
ate_aos_anos() {
  espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
  clique 13 40
  espera_texto "*pre.txt"
  clique 4 1
  clique 7 24
  for tipo in ET0 FRT CUL; do
    espera_texto "*$tipo.txt"
    clique 7 24
  done
  espera_texto "Código para o ficheiro de saída?"
  tm send-keys -t teste c Enter s Enter
  espera_texto "Tem disponivel dados meteorológicos da série 1990-2009"
}

# Option 3 in the terminal, stopped at the year question by $1 (a key such as "C-c" typed, or a signal sent
# to the program), must end with exit status $2 and the terminal restored.
interrompe() {
  rm -f "$pasta/estado"
  arranca
  ate_aos_anos
  espera_temporarios "$pasta"
  espera_modos '#{alternate_on}#{mouse_any_flag}' 11 "o terminal não está no modo do programa"
  case $1 in
    C-*) tm send-keys -t teste "$1" ;;
    *) kill "-$1" "$id" ;;
  esac
  espera_fim "$2"
  confere "$pasta" "$1"
  # Beyond what espera_fim looks at: the keypad in normal mode, no button or SGR mouse reporting.
  espera_modos '#{keypad_flag}#{mouse_button_flag}#{mouse_sgr_flag}' 000 "$1: o terminal não foi restaurado"
  tm kill-session -t teste
}

prepara "$pasta"
interrompe C-c 130
interrompe 'C-\' 131
interrompe HUP 129

# Script mode, held at the year question by a screens file that nobody reads: SIGTERM.
mkdir "$pasta/script"
prepara "$pasta/script"
{
  printf 'click 13 40\nclick 4 1\nclick 7 24\nclick 7 24\nclick 7 24\nclick 7 24\ntype c\ntype s\n'
  for _ in $(seq 2000); do echo show; done
} >"$pasta/eventos.txt"
mkfifo "$pasta/ecras"
exec 3<>"$pasta/ecras"
(cd "$pasta/script" && exec "$programa" --script "$pasta/eventos.txt" --screens "$pasta/ecras") &
programa_id=$!
espera_temporarios "$pasta/script"
[ "$id" = "$programa_id" ] || falha "SIGTERM: os temporários não são do programa"
kill -TERM "$programa_id"
wait "$programa_id"
estado=$?
exec 3<&-
[ "$estado" = 143 ] || falha "SIGTERM: estado de saída $estado"
confere "$pasta/script" "SIGTERM"
echo "ok"
