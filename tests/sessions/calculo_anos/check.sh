# Two reports for each run, and the frequency file only for the run with the same data every year.
export LC_ALL=C
esperados="const_BAL.txt const_NRG.txt const_frq.txt um_BAL.txt um_NRG.txt var_BAL.txt var_NRG.txt x_CUL.txt x_ET0.txt x_FRT.txt x_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
head -1 const_frq.txt | grep -q "^ NECESSIDADES DECENDIAIS DE REGA (mm)" || { echo "const_frq.txt:"; cat const_frq.txt; exit 1; }
