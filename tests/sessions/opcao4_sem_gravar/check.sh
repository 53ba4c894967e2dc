test -d diretoria.dat || { echo "the folder in the settings file's place is gone"; exit 1; }
test -z "$(ls -A | grep '\.tmp$')" || { echo "a temporary file was left"; exit 1; }
