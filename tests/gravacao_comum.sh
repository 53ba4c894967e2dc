# What the tests of the data folder's safety share; sourced with the program and the shim (tests/intercepta.cpp) as
# $1 and $2. Gives $work (removed at the end, unless GUARDA is set, to look into it); falha MESSAGE (the entries of
# the folder $pasta shown too); the scripts $work/corrida.txt (option 3 with the sample files, output code c, every
# year with the same data: three result files), $work/um_ano.txt (the same for one year: two files), $work/solo.txt
# (option 2 writes the soil file x_FRT.txt over one that exists) and $work/fim.txt (option 5 at once); prepara
# FOLDER (the sample files, the earlier results of code c and an earlier x_FRT.txt, all "anterior"); corre FOLDER
# SCRIPT [VAR=VALUE...] (the program in FOLDER with the shim and those settings, its screens in the file $ECRAS
# when set), and lanca with the same arguments, to be run in the background (& gives the program's id in $!); passo
# TRACE PATTERN (the number of the first call of a trace of the shim that matches); espera FILE MESSAGE (at most 30
# s); sem_restos FOLDER MESSAGE (no temporary file nor note is left).
set -u
programa=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shim=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
exemplos=$(cd "$(dirname "$0")/../examples" && pwd)
work=$(mktemp -d /tmp/gravacao.XXXXXX)
trap '[ -n "${GUARDA:-}" ] || rm -rf "$work"' EXIT
# The sanitizers' runtime wants to be loaded first; here the shim is.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
pasta=""

falha() {
  echo "FALHOU: $1"
  [ -n "$pasta" ] && ls -A "$pasta"
  exit 1
}

{
  printf 'click 13 40\nclick 4 1\nclick 7 24\nclick 7 24\nclick 7 24\nclick 7 24\ntype c\ntype s\ntype\n'
  printf 'click 6 8\ntype 1\ntype 50\ntype 10\ntype\nclick 4 8\ntype 10\ntype 5\ntype s\n'
  printf 'expect 16 4 Pressione uma tecla para continuar\ntype\nclick 17 10\n'
} >"$work/corrida.txt"
{
  printf 'click 13 40\nclick 4 1\nclick 7 24\nclick 7 24\nclick 7 24\nclick 7 24\ntype c\ntype s\ntype 1995\n'
  printf 'type 10\ntype 50\ntype 10\ntype\nclick 4 8\ntype 10\ntype 5\ntype s\n'
  printf 'expect 12 4 Pressione uma tecla para continuar\ntype\nclick 17 10\n'
} >"$work/um_ano.txt"
{
  printf 'click 11 20\ntype\ntype x\ntype n\ntype 0.1\ntype 0.5\ntype 45\ntype 150\ntype 0.3\ntype\n'
  printf 'type 0.2\ntype 0.5\ntype 200\ntype 1\ntype 0.3\ntype 1.5\ntype s\n'
  printf 'expect 24 6 Dados armazenados no ficheiro: x_FRT.txt\ntype\nclick 17 10\n'
} >"$work/solo.txt"
printf 'click 17 10\n' >"$work/fim.txt"

prepara() {
  mkdir "$1"
  cp "$exemplos"/exemplo_*.txt "$1"
  for f in c_NRG c_BAL c_frq x_FRT; do printf 'anterior\r\n' >"$1/$f.txt"; done
}

lanca() {
  _pasta=$1 _script=$2
  shift 2
  cd "$_pasta" && exec env LD_PRELOAD="$shim" "$@" "$programa" --script "$_script" --screens "${ECRAS:-/dev/null}" \
    >/dev/null
}

corre() { (lanca "$@"); }

passo() { grep -m 1 -E "^[0-9]+ $2" "$1" | cut -d ' ' -f 1; }

espera() {
  for _ in $(seq 300); do
    [ -e "$1" ] && return
    sleep 0.1
  done
  falha "$2"
}

sem_restos() {
  [ -z "$(ls -A "$1" | grep -e '\.tmp$' -e paludex_renomeia)" ] || falha "$2: ficou $(ls -A "$1" | tr '\n' ' ')"
}
