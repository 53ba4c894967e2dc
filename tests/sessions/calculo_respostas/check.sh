[ -f r_NRG.txt ] && [ -f r_BAL.txt ] || { echo "files: $(ls -A)"; exit 1; }
