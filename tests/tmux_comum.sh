# What the tests in a real terminal share; sourced with the program as $1. Without tmux the test is skipped
# (exit status 77, which CTest shows as skipped).
# Gives tm (tmux on a server of the test's own), falha MESSAGE, arranca [TERM [COLUMNS ROWS]] (the program in a
# pane of the session "teste", 110 x 35 and xterm-256color by default, run in the folder $pasta, everything it
# writes to the terminal kept in $pasta/saida), arranca_na_shell (the same, from a shell with job control),
# sessao COLUMNS ROWS COMMAND... (that session with any command in the pane), espera_texto TEXT, espera_linha
# ROW TEXT, espera_modos FORMAT VALUE MESSAGE, espera_quieto, clique ROW COL, clique_x10 ROW COL, espera_fim
# [STATUS] (the program ends with that exit status, 0 by default, and the terminal is restored), sai (option 5
# of the initial menu, Yes at the end box) and fecha_com KEY (option 5, No, then KEY closes the window). A test
# checks nothing before waiting for it.

if ! command -v tmux >/dev/null 2>&1; then
  echo "tmux not found, skipped"
  exit 77
fi

programa=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
pasta=$(mktemp -d)
socket="paludex-$(basename "$0" .sh)-$$-$(date +%s%N)"
ficheiro_socket=""
export LC_ALL=C.UTF-8
tm() { tmux -L "$socket" "$@"; }

# tmux leaves its socket file behind.
fim() {
  tm kill-server 2>/dev/null
  rm -rf "$pasta" "$ficheiro_socket"
}
trap fim EXIT

falha() {
  echo "FALHOU: $1"
  [ -f "$pasta/ecra" ] && cat "$pasta/ecra"
  exit 1
}

# The session "teste" with a pane of COLUMNS x ROWS running COMMAND, everything it writes kept in $pasta/saida;
# the pipe is set before tmux reads anything from the pane.
sessao() {
  colunas=$1 linhas=$2
  shift 2
  tm -f /dev/null new-session -d -s teste -x "$colunas" -y "$linhas" -c "$pasta" "$@" \; \
    pipe-pane -t teste -o "cat >> '$pasta/saida'" || falha "o tmux não arrancou"
  ficheiro_socket=$(tm display -p '#{socket_path}')
}

# The shell stays after the program (its traps of Ctrl-C and Ctrl-\ are not inherited), so that the pane shows
# the terminal as the program left it.
arranca() {
  sessao "${2:-110}" "${3:-35}" \
    env TERM="${1:-xterm-256color}" sh -c 'trap : INT QUIT; "$1"; echo $? > estado; exec sleep 600' sh "$programa"
}

# The program started from an interactive shell with job control (bash, prompt "$ "), as a job whose process
# group is the one of the process id in $pasta/pid.
arranca_na_shell() {
  sessao 110 35 env TERM=xterm-256color PS1='$ ' HISTFILE= INPUTRC=/dev/null bash --norc --noprofile -i
  espera_linha 1 '$'
  tm send-keys -t teste -l "sh -c 'echo \$\$ > pid; \"\$0\"; echo \$? > estado' '$programa'"
  tm send-keys -t teste Enter
}

# Waits at most 10 s for the pane to show the text; the pane is left in $pasta/ecra.
espera_texto() {
  for _ in $(seq 100); do
    tm capture-pane -p -t teste >"$pasta/ecra" 2>/dev/null
    grep -qF "$1" "$pasta/ecra" && return 0
    sleep 0.1
  done
  falha "o ecrã não mostrou \"$1\""
}

# Waits at most 10 s for row ROW of the pane to be TEXT (trailing blanks dropped); the pane is left in $pasta/ecra.
espera_linha() {
  for _ in $(seq 100); do
    tm capture-pane -p -t teste >"$pasta/ecra" 2>/dev/null
    [ "$(sed -n "$1p" "$pasta/ecra" | sed 's/ *$//')" = "$2" ] && return 0
    sleep 0.1
  done
  falha "a linha $1 não mostrou \"$2\""
}

# The character of the code N.
carater() { printf "\\$(printf %03o "$1")"; }

# A left press and its release at ROW COL in the old (X10) mouse protocol, whatever the program turned on.
clique_x10() {
  celula=$(carater $((32 + $2)))$(carater $((32 + $1)))
  tm send-keys -t teste -l "$(printf '\033[M ')$celula$(printf '\033[M#')$celula"
}

# A left press and its release at ROW COL, in the mouse protocol the program turned on (SGR, else X10).
clique() {
  if [ "$(tm display -p -t teste '#{mouse_sgr_flag}')" = 1 ]; then
    tm send-keys -t teste -l "$(printf '\033[<0;%d;%dM\033[<0;%d;%dm' "$2" "$1" "$2" "$1")"
  else
    clique_x10 "$1" "$2"
  fi
}

# Waits at most 10 s for tmux's FORMAT of the pane (modes such as '#{alternate_on}') to give VALUE; else the
# test fails with MESSAGE.
espera_modos() {
  for _ in $(seq 100); do
    [ "$(tm display -p -t teste "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  falha "$3 ($(tm display -p -t teste "$1"))"
}

# Waits at most 10 s for the pane to stand still: two captures 0.2 s apart, text and colours, the same; the
# capture is left in $pasta/ecra.
espera_quieto() {
  for _ in $(seq 50); do
    tm capture-pane -e -p -t teste >"$pasta/ecra"
    sleep 0.2
    tm capture-pane -e -p -t teste | cmp -s - "$pasta/ecra" && return 0
  done
  falha "o ecrã não parou de mudar"
}

# Restored: the normal screen, no mouse reporting, the cursor shown.
espera_fim() {
  for _ in $(seq 100); do
    [ -s "$pasta/estado" ] && break
    sleep 0.1
  done
  [ -s "$pasta/estado" ] || falha "o programa não acabou"
  [ "$(cat "$pasta/estado")" = "${1:-0}" ] || falha "estado de saída $(cat "$pasta/estado")"
  espera_modos '#{alternate_on}#{mouse_any_flag}#{cursor_flag}' 001 "o terminal não foi reposto"
}

# From the initial menu: option 5, Yes at the end box, and the end with status 0.
sai() {
  clique 17 10
  espera_texto "Exit Window?"
  tm send-keys -t teste y
  espera_fim
}

# From the initial menu: option 5, No at the end box (Enter), the status line saying how to close the window,
# then the key KEY, which closes it: the end with status 0.
fecha_com() {
  clique 17 10
  espera_texto "Exit Window?"
  tm send-keys -t teste Enter
  espera_linha 31 "Finished    q ou Esc: fechar a janela"
  tm send-keys -t teste "$1"
  espera_fim
}
