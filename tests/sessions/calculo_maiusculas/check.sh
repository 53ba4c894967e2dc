# One requirement report, under the name it had; no temporary file and no rename note left.
[ ! -e ex_NRG.txt ] || { echo "ex_NRG.txt was made beside ex_nrg.txt"; exit 1; }
[ -z "$(ls -A | grep -e '\.tmp$' -e paludex_renomeia)" ] || { echo "left: $(ls -A)"; exit 1; }
