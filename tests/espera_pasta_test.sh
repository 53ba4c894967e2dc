#!/bin/sh
# While another program holds the data folder's lock (flock), the program waits for it, and after a second
# says so on the last row; once the lock is free it goes on, that row as it was. Ctrl-C, Ctrl-\, SIGTERM and
# SIGHUP end it during the wait, with no temporary file left and the earlier results as they were.
# Usage: espera_pasta_test.sh PROGRAM SHIM
. "$(dirname "$0")/gravacao_comum.sh"
LINHA="Outro programa está a gravar nesta pasta: à espera que termine..."

# Holds the lock of folder $1 from another process until the file $work/larga exists (at most 30 s).
segura_pasta() {
  rm -f "$work/tomado" "$work/larga"
  flock "$1" sh -c "touch '$work/tomado'; for i in \$(seq 600); do [ -e '$work/larga' ] && exit; sleep 0.05; done" &
  dono=$!
  espera "$work/tomado" "o trinco da pasta não foi tomado"
}

larga_pasta() {
  touch "$work/larga"
  wait "$dono"
}

# Waits at most 10 s for the line in the screens file $ECRAS.
espera_linha() {
  for _ in $(seq 100); do
    grep -qF "$LINHA" "$ECRAS" 2>/dev/null && return
    sleep 0.1
  done
  falha "$1: a espera não foi dita"
}

# At start: the line after a second, then the initial menu with the last row blank again. The wait takes the
# checks before the next input event; a click outside the menu's options makes the menu wait again.
pasta="$work/inicio"
prepara "$pasta"
ECRAS="$work/ecras_inicio.txt"
{
  printf 'expect 30 1 %s\nshow\nclick 1 1\n' "$LINHA"
  printf 'expect 7 9       MENU INICIAL DO PROGRAMA PALUDEX:\nexpect 30 1 %*s\nclick 17 10\n' "${#LINHA}" ""
} >"$work/inicio.txt"
segura_pasta "$pasta"
antes=$(date +%s%N)
lanca "$pasta" "$work/inicio.txt" &
id=$!
espera_linha "no arranque"
[ $(($(date +%s%N) - antes)) -ge 900000000 ] || falha "a espera foi dita antes de um segundo"
kill -0 "$id" 2>/dev/null || falha "o programa não esperou"
larga_pasta
wait "$id" || falha "o programa não seguiu depois da espera"

# At the end of option 3, its three temporary files made: held by the shim just before it takes the lock to
# put them in place, the lock taken meanwhile by another process; then a signal during the wait.
pasta="$work/traco"
prepara "$pasta"
corre "$pasta" "$work/corrida.txt" INTERCEPTA_TRACO="$work/traco.txt" || falha "a corrida sem espera falhou"
antes_do_conjunto=$(awk '$2 == "flock" { n = $1 } $2 == "fsync" { print n; exit }' "$work/traco.txt")
sed '/^expect 16 4/,$d' "$work/corrida.txt" >"$work/corrida_espera.txt"
printf 'expect 30 1 %s\nshow\ntype\nclick 17 10\n' "$LINHA" >>"$work/corrida_espera.txt"
for s in TERM:143 INT:130 QUIT:131 HUP:129; do
  sinal=${s%:*}
  pasta="$work/$sinal"
  prepara "$pasta"
  ECRAS="$work/ecras_$sinal.txt"
  lanca "$pasta" "$work/corrida_espera.txt" INTERCEPTA_PARA="$antes_do_conjunto" INTERCEPTA_MARCA="$pasta.marca" \
    INTERCEPTA_SOLTA="$pasta.solta" &
  id=$!
  espera "$pasta.marca" "$sinal: a corrida não chegou ao fim"
  [ "$(ls -A "$pasta" | grep -c '\.tmp$')" = 3 ] || falha "$sinal: os temporários não estão feitos"
  segura_pasta "$pasta"
  touch "$pasta.solta"
  espera_linha "$sinal"
  kill -"$sinal" "$id"
  wait "$id" 2>/dev/null
  estado=$?
  larga_pasta
  [ "$estado" = "${s#*:}" ] || falha "$sinal: o programa acabou com $estado"
  for f in c_NRG c_BAL c_frq; do
    [ "$(cat "$pasta/$f.txt")" = "$(printf 'anterior\r')" ] || falha "$sinal: $f.txt mudou"
  done
  sem_restos "$pasta" "$sinal"
done
echo "ok"
