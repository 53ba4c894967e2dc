#!/bin/sh
# Runs one scripted session: PROGRAM SESSION_DIR.
# The session folder holds script.txt and may hold:
#   inicio/    files copied into the start folder before the run
#   esperado/  files the run must leave in the start folder, compared byte for byte
#   estado     the exit status expected (0 when absent)
#   check.sh   further checks, run in the start folder after the run
#   partida    a path below the start folder (made first) where the program is run instead
#   antes.sh   commands run in the start folder before the run (to take a permission away, for instance)
#   sem_privilegios  the program runs with file permissions in force: as root, without the capabilities
#              that pass over them; exit 77 (skipped) when they cannot be dropped
# "@PASTA@" in the script and in inicio/ text files stands for the start folder's path.
set -u
prog=$1
dir=$(cd "$2" && pwd)
work=$(mktemp -d /tmp/sessao.XXXXXX)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
mkdir "$work/pasta"
pasta="$work/pasta"
if [ -d "$dir/inicio" ]; then
  cp -R "$dir/inicio/." "$pasta/"
  grep -rl '@PASTA@' "$pasta" 2>/dev/null | while read -r f; do sed -i "s|@PASTA@|$pasta|g" "$f"; done
fi
sed "s|@PASTA@|$pasta|g" "$dir/script.txt" > "$work/script.txt"
corre="$pasta"
if [ -f "$dir/partida" ]; then
  corre="$pasta/$(cat "$dir/partida")"
  mkdir -p "$corre"
fi
[ -f "$dir/antes.sh" ] && (cd "$pasta" && PASTA="$pasta" sh "$dir/antes.sh")
sem=""
if [ -f "$dir/sem_privilegios" ] && [ "$(id -u)" = 0 ]; then
  sem="setpriv --inh-caps=-dac_override,-dac_read_search --bounding-set=-dac_override,-dac_read_search"
  $sem true 2>/dev/null || { echo "skipped: the capabilities of root cannot be dropped here"; exit 77; }
fi
(cd "$corre" && $sem "$prog" --script "$work/script.txt" --screens "$work/ecras.txt") 2> "$work/erros.txt"
estado=$?
esperado=0
[ -f "$dir/estado" ] && esperado=$(cat "$dir/estado")
falhou=0
if [ "$estado" != "$esperado" ]; then
  echo "exit status $estado, expected $esperado"
  cat "$work/erros.txt"
  falhou=1
fi
if [ -d "$dir/esperado" ]; then
  for f in $(cd "$dir/esperado" && find . -type f); do
    if ! cmp -s "$dir/esperado/$f" "$pasta/$f"; then
      echo "file $f differs from the expected one:"
      diff "$dir/esperado/$f" "$pasta/$f" | head -20
      falhou=1
    fi
  done
fi
if [ -f "$dir/check.sh" ]; then
  (cd "$pasta" && PASTA="$pasta" sh "$dir/check.sh") || falhou=1
fi
if [ $falhou != 0 ] && [ -f "$work/ecras.txt" ]; then
  echo "screens shown:"
  cat "$work/ecras.txt"
fi
exit $falhou
