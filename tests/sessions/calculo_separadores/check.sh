# The reports are those of the same data written with blanks.
esperado="$(dirname "$0")/../exemplo_serie/esperado"
for f in ex_BAL.txt ex_NRG.txt ex_frq.txt; do
  cmp "$f" "$esperado/$f" || exit 1
done
