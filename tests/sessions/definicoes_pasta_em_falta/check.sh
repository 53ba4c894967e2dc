printf '%s/pen/arroz\r\n' "$PASTA" | cmp -s - diretoria.dat || { echo "the settings file was changed"; exit 1; }
