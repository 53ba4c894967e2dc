#!/bin/sh
# Stopping and continuing the program, started from a shell with job control through a parent process (as make
# runs it): Ctrl-Z hands the terminal back as it was before the program (normal screen, keypad and mouse
# reporting off) before the shell reports the job stopped; after fg every mode is set again, the screen is
# drawn whole in its colours, at the terminal's size if it changed meanwhile, and an arrow key typed at a prompt
# puts nothing into the answer. The same after a SIGSTOP to the job and fg, and after a SIGTSTP to the program
# alone and a SIGCONT. Last, the program run by the shell itself, stopped by SIGSTOP and killed by the shell's
# "kill %1", ends and hands the terminal back; started with SIGTSTP ignored, it ignores Ctrl-Z too.
# Usage: terminal_suspensao_test.sh PROGRAM
set -u
. "$(dirname "$0")/tmux_comum.sh"

# The program's modes: the alternate screen and mouse reporting, the keypad in normal mode (its keys are read
# as the terminal sends them).
modos='#{alternate_on}#{keypad_flag}#{mouse_any_flag}'

# The pane's text, and the colours that it shows.
ecra() {
  tm capture-pane -p -t teste
  tm capture-pane -e -p -t teste | grep -o '[34]8;5;[0-9]*' | sort -u
}

# Option 4 up to its prompt, drawn whole; the screen is kept in $pasta/pergunta.
pergunta() {
  clique 15 10
  espera_texto "(Ex: c:\\PALUDEX\\dados) ===>"
  espera_quieto
  ecra >"$pasta/pergunta"
}

# Waits at most 10 s for the terminal to be handed back after $1.
espera_devolvido() {
  espera_modos "$modos" 000 "$1: o terminal não foi devolvido como estava"
}

# After $1, at the prompt: the screen drawn again, the program's modes, then Left and the folder.
responde() {
  for _ in $(seq 100); do
    ecra >"$pasta/ecra" 2>/dev/null
    cmp -s "$pasta/ecra" "$pasta/pergunta" && break
    sleep 0.1
  done
  cmp -s "$pasta/ecra" "$pasta/pergunta" || falha "$1: o ecrã não foi desenhado de novo"
  espera_modos "$modos" 101 "$1: os modos do terminal não são os do programa"
  tm send-keys -t teste Left
  tm send-keys -t teste -l "$pasta/x"
  espera_linha 16 "   (Ex: c:\\PALUDEX\\dados) ===> $pasta/x"
  tm send-keys -t teste Enter
  espera_linha 4 " na diretoria -->$pasta/x"
}

fg_na_shell() {
  tm send-keys -t teste -l fg
  tm send-keys -t teste Enter
}

mkdir "$pasta/x"
arranca_na_shell
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"

pergunta
tm send-keys -t teste C-z
espera_texto "Stopped"
espera_devolvido Ctrl-Z
tm resize-window -t teste -x 90
fg_na_shell
espera_linha 1 "O terminal tem de ter pelo menos 31 linhas x 100 colunas."
tm resize-window -t teste -x 110
responde Ctrl-Z

pergunta
kill -STOP -"$(cat "$pasta/pid")"
espera_texto "Stopped"
fg_na_shell
responde SIGSTOP

pergunta
programa_id=$(pgrep -P "$(cat "$pasta/pid")")
kill -TSTP "$programa_id"
espera_devolvido SIGTSTP
kill -CONT "$programa_id"
responde SIGTSTP

sai

tm send-keys -t teste -l "'$programa'"
tm send-keys -t teste Enter
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
programa_id=$(pgrep -P "$(tm display -p -t teste '#{pane_pid}')")
kill -STOP "$programa_id"
espera_texto "Stopped"
tm send-keys -t teste -l 'kill %1'
tm send-keys -t teste Enter
espera_devolvido "kill %1"
for _ in $(seq 100); do
  kill -0 "$programa_id" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$programa_id" 2>/dev/null && falha "kill %1: o programa não acabou"

rm -f "$pasta/estado"
tm send-keys -t teste -l "(trap '' TSTP; exec '$programa'); echo \$? > estado"
tm send-keys -t teste Enter
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
tm send-keys -t teste C-z
sai
echo "ok"
