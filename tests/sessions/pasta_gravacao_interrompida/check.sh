# The file that could be put in place is; the note waits with the other, and so does its new file; the
# user's files stay, the dead run's temporary file is gone.
export LC_ALL=C
esperados=".bashrc.4000000.tmp .c_NRG.txt.paludex-Sorteo.tmp .foto.jpg.31337.tmp .minhas_notas.2024.tmp .paludex_renomeia c_BAL.txt c_NRG.txt diretoria.dat"
[ "$(ls -A | tr '\n' ' ')" = "$esperados " ] || { echo "files: $(ls -A | tr '\n' ' ')"; exit 1; }
[ "$(cat c_BAL.txt)" = "$(printf 'novo\r')" ] || { echo "c_BAL.txt was not put in place"; exit 1; }
[ "$(tr '\0' ' ' <.paludex_renomeia)" = "$(printf 'paludex renomeia\n.c_NRG.txt.paludex-Sorteo.tmp c_NRG.txt ')" ] ||
  { echo "the note: $(tr '\0' ' ' <.paludex_renomeia)"; exit 1; }
for f in .bashrc.4000000.tmp .foto.jpg.31337.tmp .minhas_notas.2024.tmp; do
  [ "$(cat "$f")" = "do utilizador" ] || { echo "$f changed"; exit 1; }
done
