test ! -e diretoria.dat || { echo "a settings file was written"; exit 1; }
