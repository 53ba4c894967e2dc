# The run's two reports, put in place with their titles; no report of the empty code whose choice was
export LC_ALL=C
# repeated, and no temporary file.
esperados="0_FRT.txt abcET0.txt r_BAL.txt r_NRG.txt x_CUL.txt x_ET0.txt x_FRT.txt x_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
head -1 r_NRG.txt | grep -q "^ *NECESSIDADES DE REGA DO ARROZ (mm)" || { echo "r_NRG.txt:"; cat r_NRG.txt; exit 1; }
head -4 r_NRG.txt | grep -q "Cultura: x           Solo: x           ETo: x           PRE: x" || exit 1
head -1 r_BAL.txt | grep -q "^ *COMPONENTES DO BALANCO HIDRICO (mm)" || { echo "r_BAL.txt:"; cat r_BAL.txt; exit 1; }
