# Neither run left a result file.
export LC_ALL=C
[ "$(ls -A | tr '\n' ' ')" = "dez_CUL.txt tarde_CUL.txt x_ET0.txt x_FRT.txt x_pre.txt " ] || { echo "files: $(ls -A)"; exit 1; }
