# The run left no result file and no temporary file.
export LC_ALL=C
[ "$(ls -A | tr '\n' ' ')" = "v_CUL.txt v_ET0.txt v_FRT.txt v_pre.txt " ] || { echo "files: $(ls -A)"; exit 1; }
