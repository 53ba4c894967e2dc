# The run's two reports and nothing else are new.
export LC_ALL=C
esperados="X_cul.TXT ex_NRG.TXT ex_nrg.txt exemplo_ET0.txt exemplo_FRT.txt exemplo_pre.txt r_BAL.txt r_NRG.txt x_CUL.txt y_CUL.TXT y_cul.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
