# The folder is still there, the second run's files are in place, and no temporary file is left.
export LC_ALL=C
[ -f c_frq.txt/nota.txt ] || { echo "the folder c_frq.txt changed"; exit 1; }
esperados="c_BAL.txt c_NRG.txt c_frq.txt d_BAL.txt d_NRG.txt d_frq.txt x_CUL.txt x_ET0.txt x_FRT.txt x_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
