# No run left a result file or a temporary file.
export LC_ALL=C
esperados="k_CUL.txt r_BAL.txt r_NRG.txt r_frq.txt x_CUL.txt x_ET0.txt x_FRT.txt x_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
