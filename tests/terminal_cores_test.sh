#!/bin/sh
# Colours in a real terminal of the given kind: on the file chooser of a folder without data files (option 3)
# every text differs from its background colour, and the terminal's palette is left alone: no OSC 4 (set a
# colour) or OSC 104 (reset the palette) from start to exit.  Usage: terminal_cores_test.sh PROGRAM TERM
set -u
. "$(dirname "$0")/tmux_comum.sh"

# The rows of a pane captured with its colours (capture-pane -e) where a text that is not blank has the colour
# of its background, as "ROW: TEXT".
texto_na_cor_do_fundo() {
  awk '
    function sgr(p,   n, a, i, v, c) {
      n = split(p, a, ";")
      for (i = 1; i <= n; i++) {
        v = a[i] + 0
        if (v == 0) { fg = "-"; bg = "-" }
        else if (v >= 30 && v <= 37) fg = v - 30
        else if (v >= 90 && v <= 97) fg = v - 82
        else if (v == 39) fg = "-"
        else if (v >= 40 && v <= 47) bg = v - 40
        else if (v >= 100 && v <= 107) bg = v - 92
        else if (v == 49) bg = "-"
        else if (v == 38 || v == 48) {
          if (a[i + 1] == 5) { c = a[i + 2]; i += 2 } else { c = a[i + 2] ":" a[i + 3] ":" a[i + 4]; i += 4 }
          if (v == 38) fg = c; else bg = c
        }
      }
    }
    function olha(t) { if (t ~ /[^ ]/ && fg != "-" && fg == bg) print NR ": " t }
    BEGIN { fg = "-"; bg = "-" }
    {
      resto = $0
      while ((k = index(resto, "\033[")) > 0) {
        olha(substr(resto, 1, k - 1))
        resto = substr(resto, k + 2)
        m = index(resto, "m")
        sgr(substr(resto, 1, m - 1))
        resto = substr(resto, m + 1)
      }
      olha(resto)
    }'
}

arranca "$2"
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
clique 13 40
espera_texto "Não foram encontados ficheiros com a extensão indicada"
espera_quieto
invisivel=$(texto_na_cor_do_fundo <"$pasta/ecra")
[ -z "$invisivel" ] || falha "texto na cor do fundo em $2: $invisivel"
tm send-keys -t teste Enter
espera_texto "MENU INICIAL DO PROGRAMA PALUDEX"
sai
! grep -qaF "$(printf '\033]4;')" "$pasta/saida" || falha "uma cor da paleta foi mudada (OSC 4)"
! grep -qaF "$(printf '\033]104')" "$pasta/saida" || falha "a paleta foi reposta (OSC 104)"
echo "ok"
