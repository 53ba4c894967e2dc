# Each settings file holds the answer as typed, whole, in its first record.
a=$(printf '%100s' | tr ' ' a); b=$(printf '%100s' | tr ' ' b); c=$(printf '%100s' | tr ' ' c); d=$(printf '%100s' | tr ' ' d)
confere() {
  printf '%-264s\r\n    0\t    0\r\n' "$2" | cmp -s - "$1" || { echo "settings file $1 does not name $2"; exit 1; }
}
confere "$a/$b/$c/$d/diretoria.dat" "$PASTA/$a/$b/$c"
confere "$a/$b/$c/diretoria.dat" "../../../$a/$b/$c/$d"
