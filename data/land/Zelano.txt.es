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

Internet

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

preferir números sorteados muy a menudo

preferir números sorteados muy raramente

números atrasados más de X sorteos

preferir los vecinos de los números del último sorteo

aplicar mín/máx a cada par de apuestas

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
La apuesta no debe compartir 
La apuesta no debe compartir X números con ningún sorteo de la base de datos desde la fecha de la página Gráfico
 números con ningún sorteo de la base

La apuesta no debe compartir   
La apuesta no debe compartir X números con ningún sorteo de la base de datos desde la fecha de la página Gráfico
 números con los últimos  

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

Puerto proxy

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


Detiene la descarga
Borrar
Borrar el sorteo mostrado
Introducir
introducción manual de los sorteos.
Crear de nuevo la base de datos

Exportar a texto


Guardar las apuestas

Cargar apuestas desde un archivo
Imprimir apuestas
Imprima aquí las apuestas calculadas

Imprimir boleto (prueba)

Aquí puede buscar si esta apuesta ya salió alguna vez
Análisis histórico desde la fecha elegida arriba
Cálculo y resultados desde la fecha elegida arriba
Carrito

Klicklotse
Envíe aquí la apuesta en línea

Evaluación y cálculo de las ganancias

Eche una mano al azar y genere su propia apuesta
Análisis histórico de los parámetros a partir de la fecha elegida arriba
Cálculo y resultados desde la fecha elegida arriba
Se calculan y evalúan apuestas con los parámetros ajustados


Distribución de los números sorteados
Sum

2

3

4

Atrasados

Pares con 
cuántas veces salió la combinación con el número elegido
siguiente
cuántas veces salió la combinación con el número elegido

Evolución de la frecuencia de los números sorteados desde la fecha actual

Evolución de la frecuencia de los números sorteados desde la fecha actual
Buscar pares

Buscar tríos

Buscar cuartetos

Atrasados

Estrellas atrasadas

La distribución de sumas de los sorteos pasados está en el gráfico bajo Sum  

Los pares suelen surgir solos, pero aquí también se pueden forzar.

Tríos, 

cuartetos ... (3-4-5  o 28-29-30-31) son bastante raros y aquí se pueden evitar del todo

Distribución de las apuestas
El gráfico muestra cuántas veces salió cada número
Introducir los números del sorteo

Cancelar

OK

Enviar el boleto directamente a Tippland

Spiel 77

Super 6

Glücksspirale

Coste:

Coste:


Crear un nuevo número de boleto que nunca salió

Buscar si este número ya ha salido
Opción Super6 y Spiel77

Haga clic en «Carrito» para enviar las apuestas. Después puede iniciar sesión o registrarse.

Cancelar

&Carrito

Qué números para el cálculo


El número %s entra en el cálculo con el peso %s
&Cancelar


Guardar la lista

Cargar la lista
&Azar

&Calcular

OK

Posición de la impresión del boleto

Boleto

Campo de números

Números Euro

Números

Distribución de bloques

Filas:

Col.:

Separación:

Ancho:

Alto

Bloque 1 n.º 1

Izq.:

Arr.

Signo:

Tam.:

Archivo FastReport (*.fr3)

Imagen de fondo (*.png)

Esta función aún está en fase de prueba.

Bloque de números

Filas:

Col.:

Alto:

Ancho:

Números en horizontal

empezar abajo

Filas:

Col.:

Alto:

Ancho:

Números en horizontal

empezar abajo

Espacio :

Sangría:

Leer ajustes

Página

Rellenar números

&Imprimir

Evaluación y cálculo de premios

Cantidad

Aciertos + E + E
Cuotas del %s cargadas
Cuotas

Total
Sin garantía
¡Sin garantía de que los números sean correctos!
¡Sin garantía de que los números sean correctos!
2 + E

1:35
1:35
no se pudieron cargar las cuotas
no se pudieron cargar las cuotas
1 + E + E

1:80
1:80
Apuesta: ¡aún no disponible!
Apuesta: ¡aún no disponible!
1:399
1:399
Apuesta: %s  EUR
Apuesta: %s  EUR
1:418
1:418
no se pudieron cargar las cuotas
no se pudieron cargar las cuotas
1:499
1:499
3 + E + E

1:5992
1:5992
1:17.578
1:17.578
4 + E

1:21.972
1:21.972
4 + E + E

1 : 263.668
1 : 263.668
1 : 3.955.019
1 : 3.955.019
5 + E

1 : 4.943.773
1 : 4.943.773
5 + E + E

1 : 59.325.280
1 : 59.325.280

introducir la cuota media
&Cerrar

¡Elija el script para enviar los números!

Archivo de script de clics de Kestrell

Parámetros 

Cancelar

OK

