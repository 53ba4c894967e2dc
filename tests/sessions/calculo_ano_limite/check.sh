# Both years are in the reports and in the frequency analysis; the refused run left no file.
export LC_ALL=C
[ ! -e g_NRG.txt ] && [ ! -e g_BAL.txt ] || { echo "files of the refused run: $(ls)"; exit 1; }
[ "$(tr -d '\r' < big_NRG.txt | grep -c '^  Ano:')" = 2 ] || { echo "big_NRG.txt:"; cat big_NRG.txt; exit 1; }
[ "$(tr -d '\r' < big_frq.txt | grep -c '^ *[36][36]\.[37]	')" = 2 ] || { echo "big_frq.txt:"; cat big_frq.txt; exit 1; }
