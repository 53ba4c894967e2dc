#!/bin/sh
# A result file that cannot be written says why, naming the user's file (never a temporary file nor the note)
# and that the earlier results are kept: they are, and no temporary file is left. A set left half in place in
# a folder that cannot be written says so at the opening, naming the files that wait, which the next opening
# finishes.  Usage: razoes_gravacao_test.sh PROGRAM SHIM
. "$(dirname "$0")/gravacao_comum.sh"
ECRAS="$work/ecras.txt"
MANTIDOS="Os resultados que já existiam com este código ficam como estavam."

# The screens of the last run, their rows joined: a message broken over rows reads whole.
ecras() { tr '\n' ' ' <"$ECRAS"; }

# Folder $1 holds the earlier results, untouched, and nothing else of the run.
mantidos() {
  for f in c_NRG c_BAL c_frq; do
    [ "$(cat "$1/$f.txt")" = "$(printf 'anterior\r')" ] || falha "$2: $f.txt mudou"
  done
  sem_restos "$1" "$2"
}

# Option 3 up to its last answer, then the message shown, Enter, option 5; and the same stopped after the
# output code, where the reports are created.
sed '/^expect 16 4/,$d' "$work/corrida.txt" >"$work/ate_ao_fim.txt"
printf 'show\ntype\nclick 17 10\n' >>"$work/ate_ao_fim.txt"
sed '/^type c$/q' "$work/corrida.txt" >"$work/ate_ao_codigo.txt"
printf 'type s\nshow\ntype\nclick 17 10\n' >>"$work/ate_ao_codigo.txt"

# What fails (a setting of the shim), the script, and the message: its file, what could not be done to it
# and why, all taken from the failure.
while IFS='|' read -r falha script ficheiro feito razao; do
  pasta="$work/caso$((${n:-0} + 1))"
  n=$((${n:-0} + 1))
  prepara "$pasta"
  corre "$pasta" "$work/$script.txt" "$falha" || falha "$falha: a corrida não acabou ($(cat "$ECRAS"))"
  mensagem="Erro no ficheiro $ficheiro: não foi possível $feito o ficheiro ($razao)"
  ecras | grep -qF " $mensagem " || falha "$falha: não disse \"$mensagem\": $(ecras)"
  ecras | grep -qF " $MANTIDOS " || falha "$falha: não disse que os resultados anteriores ficam: $(ecras)"
  ! ecras | grep -q -e paludex -e '\.tmp' || falha "$falha: nomeou um ficheiro do programa: $(ecras)"
  mantidos "$pasta" "$falha"
done <<'CASOS'
INTERCEPTA_CHEIO=.c_NRG.txt.paludex-|ate_ao_fim|c_NRG.txt|escrever|não há espaço no disco
INTERCEPTA_FALHA=fsync ENOSPC .c_BAL.txt|ate_ao_fim|c_BAL.txt|escrever|não há espaço no disco
INTERCEPTA_FALHA=write EDQUOT .paludex_renomeia.|ate_ao_fim|c_NRG.txt|escrever|não há espaço no disco
INTERCEPTA_FALHA=renameat EROFS|ate_ao_fim|c_NRG.txt|escrever|o disco só pode ser lido
INTERCEPTA_FALHA=openat ENOSPC .c_BAL.txt.paludex-|ate_ao_codigo|c_BAL.txt|criar|não há espaço no disco
CASOS

# A run killed once its note is in place and its requirement report renamed; the folder then cannot be
# written when it is opened (every rename fails), and then it can.
pasta="$work/novo"
prepara "$pasta"
corre "$pasta" "$work/corrida.txt" INTERCEPTA_TRACO="$work/traco" || falha "a corrida sem morte falhou"
printf 'show\ntype\nclick 17 10\n' >"$work/aviso.txt"
for erro in "EROFS|o disco só pode ser lido" "EACCES|não há permissão"; do
  pasta="$work/meia_${erro%%|*}"
  prepara "$pasta"
  lanca "$pasta" "$work/corrida.txt" INTERCEPTA_MORTE="$(passo "$work/traco" 'renameat [^ ]+ c_frq')" &
  wait $! 2>/dev/null
  corre "$pasta" "$work/aviso.txt" INTERCEPTA_FALHA="renameat ${erro%%|*}" || falha "$erro: a abertura falhou"
  aviso="Não foi possível concluir uma gravação interrompida: c_frq.txt, c_BAL.txt esperam: a pasta não pode ser"
  aviso="$aviso escrita (${erro#*|}); a gravação conclui-se quando a pasta for aberta de novo e puder ser escrita."
  ecras | grep -qF "$aviso" || falha "$erro: não disse \"$aviso\": $(ecras)"
  [ -e "$pasta/.paludex_renomeia" ] || falha "$erro: a nota não ficou"
  corre "$pasta" "$work/fim.txt" || falha "$erro: a abertura seguinte falhou"
  for f in c_NRG c_BAL c_frq; do
    cmp -s "$pasta/$f.txt" "$work/novo/$f.txt" || falha "$erro: $f.txt não é o novo"
  done
  sem_restos "$pasta" "$erro"
done
echo "ok"
