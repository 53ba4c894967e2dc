[ -z "$(ls -A)" ] || { echo "files left: $(ls -A)"; exit 1; }
