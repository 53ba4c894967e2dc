#!/bin/sh
# A run killed (SIGKILL) at any step of putting a set of files in place leaves one set once the program opens
# that data folder again (at start, or through option 4): the newest set put in place or noted whole, or else
# the set before it, whole; never a mix, never an older file back over a newer one, and no temporary file nor
# note. The sets: a calculation's three result files, a dialogue's one file, and a dialogue's file that meets
# the note of a run that died meanwhile. Two instances with one code never mix their sets.
# Usage: sigkill_test.sh PROGRAM SHIM
. "$(dirname "$0")/gravacao_comum.sh"

# Folder $1 holds the files $3 of folder $2, and nothing else of a set.
um_conjunto() {
  for f in $3; do cmp -s "$1/$f" "$2/$f" || falha "$4: $f não é do conjunto esperado"; done
  sem_restos "$1" "$4"
}

# Folder $1 opened again by a start of the program there ($2 odd) or through option 4 from another folder.
reabre() {
  if [ $(($2 % 2)) = 1 ]; then
    corre "$1" "$work/fim.txt" || falha "$2: o programa não abriu a pasta"
  else
    printf 'click 15 70\ntype %s\nclick 17 10\n' "$1" >"$work/opcao4.txt"
    corre "$(mktemp -d "$work/inicio.XXXXXX")" "$work/opcao4.txt" || falha "$2: a opção 4 falhou"
  fi
}

# The note of a run that died while it put x_FRT.txt and y_FRT.txt in place, neither renamed yet, in folder $1;
# its temporary files bear the draw Morta1.
planta() {
  for f in x_FRT y_FRT; do printf 'morta\r\n' >"$1/.$f.txt.paludex-Morta1.tmp"; done
  printf 'paludex renomeia\n%s\000%s\000%s\000%s\000' .x_FRT.txt.paludex-Morta1.tmp x_FRT.txt \
    .y_FRT.txt.paludex-Morta1.tmp y_FRT.txt >"$1/.paludex_renomeia"
}

# The run of script $2 in a folder of prepara, held at its step $3 (0: not held) while planta runs there, and
# killed at its step $4 (0: not killed); its trace in the file $5 when it is given.
segura_e_mata() {
  if [ "$3" = 0 ]; then
    lanca "$1" "$2" INTERCEPTA_MORTE="$4" ${5:+INTERCEPTA_TRACO="$5"} &
    wait $! 2>/dev/null
    return
  fi
  lanca "$1" "$2" INTERCEPTA_MORTE="$4" INTERCEPTA_PARA="$3" INTERCEPTA_MARCA="$1.marca" INTERCEPTA_SOLTA="$1.solta" \
    ${5:+INTERCEPTA_TRACO="$5"} &
  id=$!
  espera "$1.marca" "o programa não chegou ao passo $3"
  planta "$1"
  touch "$1.solta"
  wait $id 2>/dev/null
}

# The run of script $2 (set $1, of the files $3), held at step $4 for planta, killed in turn at each step of
# its trace (in $work/traco_$1) after that one that renames, removes, flushes or writes a note; the folder then
# holds, once opened again, the files of folder $5 (the set before) up to the step that commits the set (the
# first rename of a note, or of one of its files but of the dead run's), those of folder $6 (the newest) after.
cada_passo() {
  traco="$work/traco_$1"
  pasta="$work/$1_traco"
  prepara "$pasta"
  segura_e_mata "$pasta" "$2" "$4" 0 "$traco" || falha "$1: a corrida sem morte falhou"
  compromisso=$(awk -v p="$4" -v f=" $3 " '$1 > p && $2 == "renameat" && ($4 == ".paludex_renomeia" ||
    (index(f, " " $4 " ") && $3 !~ /Morta1/)) { print $1; exit }' "$traco")
  [ -n "$compromisso" ] || falha "$1: o conjunto não foi posto no lugar"
  for k in $(awk -v p="$4" '$1 > p && $2 ~ /^(renameat|unlinkat|fsync|write)$/ { print $1 }' "$traco"); do
    pasta="$work/$1$k"
    prepara "$pasta"
    segura_e_mata "$pasta" "$2" "$4" "$k"
    [ $? = 137 ] || falha "$1 $k: o programa não morreu nesse passo ($(sed -n "${k}p" "$traco"))"
    reabre "$pasta" "$k"
    if [ "$k" -gt "$compromisso" ]; then esperado=$6; else esperado=$5; fi
    um_conjunto "$pasta" "$esperado" "$3" "$1, morto em $(sed -n "${k}p" "$traco")"
  done
}

# The sets before and after: the earlier files, and the new ones of a run that is not killed.
pasta="$work/anterior"
prepara "$pasta"
pasta="$work/novo"
prepara "$pasta"
corre "$pasta" "$work/corrida.txt" INTERCEPTA_TRACO="$work/traco_corrida" && corre "$pasta" "$work/solo.txt" ||
  falha "as corridas sem morte falharam"
mkdir "$work/morta" "$work/morta_e_nova"
for f in x_FRT y_FRT; do printf 'morta\r\n' >"$work/morta/$f.txt"; done
cp "$work/novo/x_FRT.txt" "$work/morta_e_nova/x_FRT.txt"
cp "$work/morta/y_FRT.txt" "$work/morta_e_nova/y_FRT.txt"

cada_passo calculo "$work/corrida.txt" "c_NRG.txt c_frq.txt c_BAL.txt" 0 "$work/anterior" "$work/novo"
cada_passo dialogo "$work/solo.txt" "x_FRT.txt" 0 "$work/anterior" "$work/novo"
# The dialogue held as it flushes its file, its folder's lock held, while a run that died leaves its note: the
# dialogue finishes that note, its own file replacing the dead run's. The set before is the dead run's.
cada_passo nota_morta "$work/solo.txt" "x_FRT.txt y_FRT.txt" "$(passo "$work/traco_dialogo" 'fsync \.x_FRT\.txt\.')" \
  "$work/morta" "$work/morta_e_nova"

# Held at each rename of the calculation's set (its note, the requirement report, the frequency file, the
# water-balance report) and killed there from outside: the note is being written, then it lists the set.
n=0
for k in $(grep ' renameat ' "$work/traco_corrida" | cut -d ' ' -f 1); do
  n=$((n + 1))
  pasta="$work/morta$n"
  prepara "$pasta"
  lanca "$pasta" "$work/corrida.txt" INTERCEPTA_PARA="$k" INTERCEPTA_MARCA="$work/marca$n" &
  id=$!
  espera "$work/marca$n" "$n: o programa não chegou à renomeação"
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
  wait "$id" 2>/dev/null
  reabre "$pasta" "$n"
  if [ "$n" = 1 ]; then antes="$work/anterior"; else antes="$work/novo"; fi
  um_conjunto "$pasta" "$antes" "c_NRG.txt c_frq.txt c_BAL.txt" "renomeação $n"
done

# Two instances in one folder with one code: A (every year, three files) held between two of its renames,
# B (one year, two files) started meanwhile. B waits at its opening of the folder while A puts its set in
# place, then runs whole: A's set lands whole and then B's, as when they run one after the other.
pasta="$work/seguidas"
prepara "$pasta"
corre "$pasta" "$work/corrida.txt" && corre "$pasta" "$work/um_ano.txt" || falha "as corridas seguidas falharam"
pasta="$work/juntas"
prepara "$pasta"
lanca "$pasta" "$work/corrida.txt" INTERCEPTA_PARA="$(passo "$work/traco_corrida" 'renameat [^ ]+ c_frq')" \
  INTERCEPTA_MARCA="$work/marca_a" INTERCEPTA_SOLTA="$work/solta" &
a=$!
espera "$work/marca_a" "A não chegou à renomeação"
lanca "$pasta" "$work/um_ano.txt" &
b=$!
sleep 1
kill -0 "$b" 2>/dev/null || falha "B não esperou pelo conjunto de A"
touch "$work/solta"
wait "$a" || falha "A falhou"
wait "$b" || falha "B falhou"
um_conjunto "$pasta" "$work/seguidas" "c_NRG.txt c_frq.txt c_BAL.txt" "duas instâncias"
echo "ok"
