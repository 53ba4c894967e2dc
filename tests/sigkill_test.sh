#!/bin/sh
# A run killed (SIGKILL) at any rename of its result files leaves one set once the program opens that data
# folder again, at start or through option 4: all the earlier files (killed before its note was in place) or
# all the new ones, and no temporary file nor note. Two instances with one code never mix their sets. The program is held at its Nth rename by a shim loaded
# before it.  Usage: sigkill_test.sh PROGRAM SHIM
set -u
programa=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shim=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
exemplos=$(cd "$(dirname "$0")/../examples" && pwd)
work=$(mktemp -d /tmp/sigkill.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The sanitizers' runtime wants to be loaded first; here the shim is.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS

falha() {
  echo "FALHOU: $1"
  ls -A "$pasta"
  exit 1
}

# Option 3 with the sample files, output code c, every year with the same data (three result files).
{
  printf 'click 13 40\nclick 4 1\nclick 7 24\nclick 7 24\nclick 7 24\nclick 7 24\ntype c\ntype s\ntype\n'
  printf 'click 6 8\ntype 1\ntype 50\ntype 10\ntype\nclick 4 8\ntype 10\ntype 5\ntype s\n'
  printf 'expect 16 4 Pressione uma tecla para continuar\ntype\nclick 17 10\n'
} >"$work/corrida.txt"

# A data folder $1 with the sample files and the earlier results of code c.
prepara() {
  mkdir "$1"
  cp "$exemplos"/exemplo_*.txt "$1"
  for t in NRG BAL frq; do printf 'anterior\r\n' >"$1/c_$t.txt"; done
}

# Folder $1 holds the results of code c of folder $2 and nothing else of the run.
um_conjunto() {
  for t in NRG BAL frq; do cmp -s "$1/c_$t.txt" "$2/c_$t.txt" || falha "$3: c_$t.txt não é do conjunto esperado"; done
  [ -z "$(ls -A "$1" | grep -e '\.tmp$' -e paludex_renomeia)" ] || falha "$3: ficou $(ls -A "$1" | tr '\n' ' ')"
}

# The run of corrida.txt in $pasta, in the background (started through $PREFIXO when set), held at its rename
# $1 (with PAUSA_SOLTA, until that file exists); returns once it is held there, marked by the file $2.
segura() {
  (cd "$pasta" && PAUSA_RENAME=$1 PAUSA_MARCA="$2" LD_PRELOAD="$shim" exec ${PREFIXO:-} "$programa" \
    --script "$work/corrida.txt" >/dev/null) &
  for _ in $(seq 300); do
    [ -e "$2" ] && return
    sleep 0.1
  done
  falha "$1: o programa não chegou à renomeação"
}

pasta="$work/novo"
prepara "$pasta"
(cd "$pasta" && "$programa" --script "$work/corrida.txt" >/dev/null) || falha "a corrida sem morte falhou"
pasta="$work/anterior"
prepara "$pasta"

# The renames of the set: 1 the note into place, 2 the requirement report, 3 the frequency file, 4 the
# water-balance report. Odd kills are opened again at start, even ones through option 4.
for n in 1 2 3 4; do
  pasta="$work/morta$n"
  prepara "$pasta"
  marca="$work/marca$n"
  segura "$n" "$marca"
  id=$!
  nota="$pasta/.paludex_renomeia"
  if [ "$n" = 1 ]; then
    [ -n "$(ls -A "$pasta" | grep '^\.\.paludex_renomeia\.paludex-')" ] && [ ! -e "$nota" ] ||
      falha "$n: a nota não está a ser escrita"
  else
    # The header, then each temporary file (the program's mark, a draw of its own) and its file.
    t='\.paludex-[A-Za-z0-9]\{6\}\.tmp'
    tr '\0' '\n' <"$nota" >"$work/nota$n"
    printf 'paludex renomeia\n.c_NRG.txt%s\nc_NRG.txt\n.c_frq.txt%s\nc_frq.txt\n.c_BAL.txt%s\nc_BAL.txt\n' "$t" "$t" "$t" \
      >"$work/padrao"
    [ "$(wc -l <"$work/nota$n")" = 7 ] && paste "$work/padrao" "$work/nota$n" | while IFS="$(printf '\t')" read -r p l; do
      expr "$l" : "$p\$" >/dev/null || exit 1
    done || falha "$n: a nota não lista o conjunto"
  fi
  kill -KILL "$id"
  wait "$id"
  if [ $((n % 2)) = 1 ]; then
    printf 'click 17 10\n' >"$work/fim.txt"
    (cd "$pasta" && "$programa" --script "$work/fim.txt" >/dev/null) || falha "$n: o programa não abriu a pasta"
  else
    mkdir "$work/inicio$n"
    printf 'click 15 70\ntype %s\nclick 17 10\n' "$pasta" >"$work/fim.txt"
    (cd "$work/inicio$n" && "$programa" --script "$work/fim.txt" >/dev/null) || falha "$n: a opção 4 falhou"
  fi
  if [ "$n" = 1 ]; then um_conjunto "$pasta" "$work/anterior" "$n"; else um_conjunto "$pasta" "$work/novo" "$n"; fi
done

# Two instances in one folder with one code: A (every year, three files) held between two of its renames,
# B (one year, two files) started meanwhile. B waits at its opening of the folder while A puts its set in
# place, then runs whole: A's set lands whole and then B's, as when they run one after the other.
{
  printf 'click 13 40\nclick 4 1\nclick 7 24\nclick 7 24\nclick 7 24\nclick 7 24\ntype c\ntype s\ntype 1995\n'
  printf 'type 10\ntype 50\ntype 10\ntype\nclick 4 8\ntype 10\ntype 5\ntype s\n'
  printf 'expect 12 4 Pressione uma tecla para continuar\ntype\nclick 17 10\n'
} >"$work/um_ano.txt"
pasta="$work/seguidas"
prepara "$pasta"
(cd "$pasta" && "$programa" --script "$work/corrida.txt" >/dev/null && "$programa" --script "$work/um_ano.txt" >/dev/null) ||
  falha "as corridas seguidas falharam"
pasta="$work/juntas"
prepara "$pasta"
PAUSA_SOLTA="$work/solta" segura 3 "$work/marca_a"
a=$!
(cd "$pasta" && exec "$programa" --script "$work/um_ano.txt" >/dev/null) &
b=$!
sleep 1
kill -0 "$b" 2>/dev/null || falha "B não esperou pelo conjunto de A"
touch "$work/solta"
wait "$a" || falha "A falhou"
wait "$b" || falha "B falhou"
um_conjunto "$pasta" "$work/seguidas" "duas instâncias"

# A run killed inside a process-id space of its own (as in a container), where its id is 1, the id of a live
# process outside it: a start outside finishes its set, a newer run of the same code replaces its reports,
# and a start inside such a space again leaves the newer ones. Skipped where such spaces are not permitted.
espaco="unshare -pf --kill-child"
if $espaco true 2>/dev/null; then
  pasta="$work/espaco"
  prepara "$pasta"
  PREFIXO=$espaco segura 3 "$work/marca_espaco"
  kill -KILL $!
  wait $!
  printf 'click 17 10\n' >"$work/fim.txt"
  (cd "$pasta" && "$programa" --script "$work/fim.txt" >/dev/null) || falha "espaço: o programa não abriu a pasta"
  um_conjunto "$pasta" "$work/novo" "espaço, depois do arranque fora"
  (cd "$pasta" && "$programa" --script "$work/um_ano.txt" >/dev/null) || falha "espaço: a corrida nova falhou"
  (cd "$pasta" && $espaco "$programa" --script "$work/fim.txt" >/dev/null) || falha "espaço: o arranque dentro falhou"
  um_conjunto "$pasta" "$work/seguidas" "espaço, depois do arranque dentro"
else
  echo "unshare -pf not permitted: the run in a process-id space of its own skipped"
fi
echo "ok"
