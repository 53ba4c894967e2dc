printf 'campo?\r\n' | cmp -s - diretoria.dat || { echo "the settings file was changed"; exit 1; }
