#!/bin/sh
# A run killed inside a process-id space of its own (as in a container), where its id is 1, the id of a live
# process outside it: a start outside finishes its set, a newer run of the same code replaces its reports,
# and a start inside such a space again leaves the newer ones. Skipped (77) where such spaces are not
# permitted.  Usage: sigkill_espaco_test.sh PROGRAM SHIM
. "$(dirname "$0")/gravacao_comum.sh"
espaco="unshare -pf --kill-child"
if ! $espaco true 2>/dev/null; then
  echo "unshare -pf not permitted: skipped"
  exit 77
fi

# Folder $1 holds the result files of code c of folder $2, and nothing else of a set.
resultados() {
  for t in NRG BAL frq; do cmp -s "$1/c_$t.txt" "$2/c_$t.txt" || falha "$3: c_$t.txt não é do conjunto esperado"; done
  sem_restos "$1" "$3"
}

pasta="$work/novo"
prepara "$pasta"
corre "$pasta" "$work/corrida.txt" INTERCEPTA_TRACO="$work/traco" || falha "a corrida sem morte falhou"
pasta="$work/seguidas"
prepara "$pasta"
corre "$pasta" "$work/corrida.txt" && corre "$pasta" "$work/um_ano.txt" || falha "as corridas seguidas falharam"

pasta="$work/espaco"
prepara "$pasta"
(cd "$pasta" && exec env LD_PRELOAD="$shim" INTERCEPTA_PARA="$(passo "$work/traco" 'renameat [^ ]+ c_frq')" \
  INTERCEPTA_MARCA="$work/marca" $espaco "$programa" --script "$work/corrida.txt" >/dev/null) &
espera "$work/marca" "o programa não chegou à renomeação"
kill -KILL $!
wait $! 2>/dev/null
corre "$pasta" "$work/fim.txt" || falha "o programa não abriu a pasta"
resultados "$pasta" "$work/novo" "depois do arranque fora"
corre "$pasta" "$work/um_ano.txt" || falha "a corrida nova falhou"
(cd "$pasta" && $espaco "$programa" --script "$work/fim.txt" >/dev/null) || falha "o arranque dentro falhou"
resultados "$pasta" "$work/seguidas" "depois do arranque dentro"
echo "ok"
