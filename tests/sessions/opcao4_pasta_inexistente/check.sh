head -c 6 diretoria.dat | grep -q '^dados $' || { echo "settings file does not name dados"; exit 1; }
