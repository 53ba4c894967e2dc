#!/bin/sh
# Times a whole calculation run with the same data every year over 100 years (1901-2000), in script mode,
# the process from start to exit: PROGRAM [RUNS]. The data folder holds the sample crop and soil files and
# 100-year ETo and precipitation series that repeat the years of the sample series.
set -eu
prog=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
vezes=${2:-10}
exemplos=$(cd "$(dirname "$0")/../examples" && pwd)
work=$(mktemp -d /tmp/corrida100.XXXXXX)
trap 'rm -rf "$work"' EXIT

# A series of 100 years from a sample one, its years taken in turn, starting SKIP years after its first.
# Type 1 holds one line of values per year; type 3 a year line and three lines of values per year.
serie() {
  awk -v salta="$2" '
    { sub(/\r$/, "") }
    NR == 1 { tipo = $0; linhas = tipo == 3 ? 3 : 1 }
    NR >= 3 && (tipo == 1 ? NR >= 4 : (NR - 3) % 4 != 0) { valores[n++] = $0 }
    END {
      printf "%s\r\n100\r\n", tipo
      anos = n / linhas
      for (a = 0; a < 100; a++) {
        if (tipo == 3 || a == 0) printf "%d\r\n", 1901 + a
        for (l = 0; l < linhas; l++) printf "%s\r\n", valores[((a + salta) % anos) * linhas + l]
      }
    }' "$1"
}

dados() {
  pasta=$1
  mkdir "$pasta"
  cp "$exemplos/exemplo_CUL.txt" "$exemplos/exemplo_FRT.txt" "$pasta/"
  serie "$exemplos/exemplo_ET0.txt" 0 > "$pasta/exemplo_ET0.txt"
  serie "$exemplos/exemplo_pre.txt" 5 > "$pasta/exemplo_pre.txt"
}

# Option 3: the four files of code "exemplo", output code "cem", all the years, the same data every year
# (block of 1 ha, reserve 50 %, losses 10 %; 50 days to flood the block, 5 to finish), the closing pause,
# then option 5.
cat > "$work/script.txt" <<'FIM'
click 13 40
click 4 1
click 7 24
click 7 24
click 7 24
click 7 24
type cem
type s
type
click 6 8
type 1
type 50
type 10
type
click 4 8
type 50
type 5
type s
expect 16 4 Pressione uma tecla para continuar
type
click 17 10
FIM

melhor=
todos=
i=1
while [ "$i" -le "$vezes" ]; do
  pasta="$work/pasta$i"
  dados "$pasta"
  inicio=$(date +%s%N)
  (cd "$pasta" && "$prog" --script "$work/script.txt") 2> "$work/erros.txt" ||
    { echo "run failed:"; cat "$work/erros.txt"; exit 1; }
  fim=$(date +%s%N)
  us=$(( (fim - inicio) / 1000 ))
  todos="$todos $us"
  if [ -z "$melhor" ] || [ "$us" -lt "$melhor" ]; then melhor=$us; fi
  i=$((i + 1))
done

echo "result files of the last run:"
(cd "$pasta" && wc -l cem_NRG.txt cem_BAL.txt cem_frq.txt)
mediana=$(echo "$todos" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "100-year run, start to exit, $vezes runs (microseconds):$todos"
echo "best $melhor us, median $mediana us"
