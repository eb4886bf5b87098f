elegir simplemente al azar
usar el número Euro menos sorteado
usar el número Euro más atrasado
