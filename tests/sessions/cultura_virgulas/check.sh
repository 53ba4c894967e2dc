# Only the crop file is left: no temporary file beside it.
[ "$(ls -A)" = "virgulas_CUL.txt" ] || { echo "files left: $(ls -A)"; exit 1; }
