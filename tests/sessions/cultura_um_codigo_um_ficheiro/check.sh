# No file of another name was made.
export LC_ALL=C
[ "$(ls -A | tr '\n' ' ')" = "X_cul.TXT x_CUL.txt " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
