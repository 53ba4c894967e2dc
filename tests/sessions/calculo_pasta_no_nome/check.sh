# The folders are still there, the second run's files are in place, and no temporary file is left.
export LC_ALL=C
[ -f c_frq.txt/nota.txt ] && [ -f 0_BAL.txt/.keep ] && [ -f e_NRG.txt/.keep ] && [ -f f_BAL.txt/.keep ] || { echo "a folder changed"; exit 1; }
esperados="0_BAL.txt c_BAL.txt c_NRG.txt c_frq.txt d_BAL.txt d_NRG.txt d_frq.txt e_NRG.txt f_BAL.txt x_CUL.txt x_ET0.txt x_FRT.txt x_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
