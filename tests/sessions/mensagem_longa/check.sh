# The run left no result file and no temporary file.
export LC_ALL=C
esperados="evapotranspiracao_de_referencia_medida_em_alvalade_do_sado_ET0.txt v_CUL.txt v_FRT.txt v_pre.txt"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A)"; exit 1; }
