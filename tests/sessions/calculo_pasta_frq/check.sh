# The folders are still there and nothing else is left.
export LC_ALL=C
[ -f ex_frq.txt/.keep ] && [ -f ev_FRQ.txt/.keep ] || { echo "a folder changed"; exit 1; }
esperados="ev_BAL.txt ev_FRQ.txt ev_NRG.txt ex_BAL.txt ex_NRG.txt ex_frq.txt exemplo_CUL.txt exemplo_ET0.txt exemplo_FRT.txt exemplo_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
