chmod 000 fechada
