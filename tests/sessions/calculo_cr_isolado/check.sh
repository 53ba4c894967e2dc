# The refused runs left no result file and no temporary file.
export LC_ALL=C
esperados="cr_CUL.txt cr_ET0.txt ex_BAL.txt ex_NRG.txt exemplo_CUL.txt exemplo_ET0.txt exemplo_FRT.txt exemplo_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
