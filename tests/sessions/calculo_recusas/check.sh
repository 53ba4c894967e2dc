# Only the last run, which was not refused, left result files; no temporary file is left.
export LC_ALL=C
esperados="bad_pre.txt far_pre.txt gap_pre.txt l_BAL.txt l_NRG.txt long_ET0.txt long_pre.txt n0_pre.txt r_BAL.txt r_NRG.txt t2_pre.txt x_CUL.txt x_ET0.txt x_FRT.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
