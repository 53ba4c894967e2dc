# Nothing was created beside the precipitation file.
[ "$(ls -A)" = "x_pre.txt" ] || { echo "files left: $(ls -A)"; exit 1; }
