head -c 3 diretoria.dat | grep -q '^sub$' || { echo "settings file does not name sub"; exit 1; }
