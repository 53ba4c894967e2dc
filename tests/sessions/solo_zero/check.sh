# Nothing was written in the data folder, nor beside it.
test -z "$(ls -A)" || { echo "files written:"; ls -A; exit 1; }
test ! -e ../fora_FRT.txt || { echo "a file was written outside the data folder"; exit 1; }
