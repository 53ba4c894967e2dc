# Each settings file lies in its own deep start folder: record 1 the answer as typed, padded to 264 characters.
a=$(printf '%100s' | tr ' ' a); b=$(printf '%100s' | tr ' ' b); c=$(printf '%100s' | tr ' ' c); d=$(printf '%100s' | tr ' ' d)
confere() {
  printf '%-264s\r\n    0\t    0\r\n' "$2" | cmp -s - "$1" || { echo "settings file $1 does not name $2"; exit 1; }
}
confere "$a/$b/$c/$d/diretoria.dat" ..
confere "$a/$b/$c/diretoria.dat" "$PASTA/$a/$b"
confere "$a/$b/diretoria.dat" "$c/$d"
test ! -e diretoria.dat || { echo "a settings file was written in the session folder"; exit 1; }
