# The year 2000 alone was computed.
anos=$(tr -d '\r' < y_NRG.txt | grep '^  Ano:')
[ "$anos" = "  Ano: 2000" ] || { echo "years in y_NRG.txt: $anos"; exit 1; }
