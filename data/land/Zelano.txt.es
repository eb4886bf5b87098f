Kestrell Experto en números  para Quintavola

&Cargar sorteos

&Calcular

Idioma/&Language

Deutsch

English

Français

Español

Italiano

Русский

Türkçe

Nederlands

Polski

Čeština

Slovenčina

Magyar

Ελληνικά

Svenska

Norsk

Suomi

Dansk

Português

中文

&Guardar archivo

&Cerrar

Resumen de apuestas

Números del último sorteo

Parámetros

Gráfico

Base de datos

Opciones de Internet

Estadístico

Optimización del boleto

Matemático

Números Euro

General

preferir números que forman pares a menudo

más raros

preferir números que forman tríos a menudo

más raros

preferir números que forman cuartetos a menudo

más raros

preferir números sorteados con especial frecuencia

preferir números sorteados con especial rareza

números atrasados más de X sorteos

preferir los vecinos de los números del último sorteo

aplicar mín/máx a la relación de cada apuesta con cada apuesta

permitir como máximo tantas coincidencias con otras apuestas

exigir al menos tantas coincidencias con otras apuestas

como máximo tantos números del último sorteo
Coincidencia con números de un sorteo anterior
Coincidencia con números de un sorteo anterior
Coincidencia con números de un sorteo anterior
como máximo tantos números del penúltimo sorteo
Coincidencia con números de un sorteo anterior
Coincidencia con números de un sorteo anterior
Coincidencia con números de un sorteo anterior
como máximo tantos números del antepenúltimo sorteo
Coincidencia con números de un sorteo anterior
Coincidencia con números de un sorteo anterior
Coincidencia con números de un sorteo anterior
La apuesta aún no debe igualar ningún 
La apuesta aún no debe igualar ningún X aciertos de la base de datos, desde la fecha del resumen del gráfico
 aciertos de la base de datos

La apuesta no debe igualar ningún   
La apuesta aún no debe igualar ningún X aciertos de la base de datos, desde la fecha del resumen del gráfico
 aciertos de los últimos  

sorteos

evitar los números 1-12 (meses, jugados a menudo por quienes juegan fechas) 

reducir el peso de los números 1-31 (fechas)  -  menos a menudo en la apuesta

¡incluir los números Euro en el cálculo de coincidencias!

Sumas de                  a                     permitidas

forzar un par por apuesta

sin grupos de tres, cuatro...

forzar un mínimo de números pares en cada apuesta

forzar un mínimo de números impares en cada apuesta

forzar un mínimo de números primos en cada apuesta

no usar ninguna estrella de los últimos sorteos

Opción de números Euro

no usar ninguna estrella de los últimos sorteos

Opción de números Euro

¡usar solo números preferidos para la apuesta!

mostrar / editar la lista para generar combinaciones

Máx. ciclos de cálculo

mil

Servidor proxy

Puerto del proxy

Activar la página de enlaces

Estándar
Aquí se pueden calcular y evaluar hasta 12 apuestas
Vista de lista
Aquí también se pueden cargar y evaluar listas más grandes
Apuesta 1
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular. Si solo se introducen hasta 3 números, se calculan los restantes.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 2
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular. Si solo se introducen hasta 3 números, se calculan los restantes.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 3
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular. Si solo se introducen hasta 3 números, se calculan los restantes.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 4
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular. Si solo se introducen hasta 3 números, se calculan los restantes.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 5
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular. Si solo se introducen hasta 3 números, se calculan los restantes.
…
Haga clic aquí para cambiar la apuesta 1 con el formulario o generarla al azar
Apuesta 6
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular. Si solo se introducen hasta 3 números, se calculan los restantes.
…
Haga clic aquí para cambiar la apuesta 1 con el formulario o generarla al azar
Apuesta 7
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Haga clic aquí para cambiar la apuesta 1 con el formulario o generarla al azar
Apuesta 8
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Haga clic aquí para cambiar la apuesta 1 con el formulario o generarla al azar
Apuesta 9
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 10
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 11
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Haga clic aquí para cambiar la apuesta o generarla al azar
Apuesta 12
Si "Apuesta" está en rojo, esta fila no se vuelve a calcular.
…
Haga clic aquí para cambiar la apuesta o generarla al azar

Borrar todas las apuestas

Editar la lista de apuestas
Calcular apuestas
Inicie aquí el cálculo de las apuestas.
◀
mostrar el sorteo anterior
▶
mostrar el sorteo siguiente
13:00

20:30


Evaluar las apuestas para el sorteo de la fecha elegida
&Actualizar base de datos


Detiene la lectura
Borrar
Borrar el sorteo mostrado
Introducir
introducción manual de los sorteos.
Crear de nuevo la base de datos

Exportar a texto

Introducir los números del sorteo

Cancelar

OK

Qué números para el cálculo


El número %s entra en el cálculo con el peso %s
&Cancelar


Guardar la lista

Cargar la lista
&Azar

&Calcular

OK

