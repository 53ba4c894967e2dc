[ "$(ls -A | tr '\n' ' ')" = "outro_CUL.txt velho_CUL.txt " ] || { echo "files left: $(ls -A)"; exit 1; }
