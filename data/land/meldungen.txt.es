Kestrell Experto en números
Quintavola
¡Sin garantía de que los números sean correctos!
¿Desea realmente borrar todos los sorteos y volver a descargarlos a partir del 
 desde Internet?
¿Borrar los sorteos?
Distribución de números
Sorteos : 
Suma: 
¿Cuántas veces salió cada número Euro?
¿Detenerse con cuántos números coincidentes?
Prueba de apuesta
Un acierto el  
 encontrado. ¿Continuar?
Sorteo encontrado
Pares encontrados :  
Tríos encontrados :  
Cargue primero los datos de los sorteos
Distribución de sumas
¡Cuartetos encontrados!
Detener
Cálculo de los pares
Cálculo de los tríos
Cálculo de los cuartetos
Cálculo de la distribución de números
Cálculo de los números atrasados
Cálculo de los vecinos del último sorteo
Inicio del cálculo de apuestas
Apuesta
Cambie los parámetros para calcular 12 apuestas
Las apuestas se han recalculado
Apuestas
Apuesta de lotería Kestrell para el 
Número Euro
Números atrasados: ¿cuántos sorteos lleva cada uno sin salir?
¿Su número de la suerte (1-99999999)?
¡Introduzca su número de la suerte para el generador aleatorio!
Número de la suerte
establecido
Distribución de números de las apuestas
¿Realizar ahora el análisis de los ajustes desde el 
en adelante?
Se borrarán las apuestas actuales
Los ajustes actuales dieron
Cantidad sin números Euro
filas
Error al introducir el número aleatorio
Números Euro
Error
Aviso
Elegir números para el cálculo
Editar apuesta
Azar
Parar
¿Qué número Euro lleva más tiempo sin salir?
¿Realizar ahora el análisis de la base de datos desde el
en adelante?
Se borrarán las apuestas actuales
¿Detenerse con cuántos números coincidentes?
Comparar el resultado del sorteo
Un acierto encontrado el
¿Continuar?
Sorteo encontrado
Aciertos de sorteos en la base de datos
Cuántas veces el sorteo siguiente tuvo números parecidos
¿Transferir las apuestas?
¿Transferir?
¿Borrar antes la lista?
¿Borrar la lista?


¿Borrar realmente todas las apuestas no bloqueadas?
¿Borrar las apuestas?
Las apuestas se están transfiriendo al carrito ...
La lista se abrió para editarla. ¿Volver a cargar ahora la lista modificada?
¿Volver a cargar la lista?
No se puede leer el archivo de idioma %1.
El archivo de idioma %1 está dañado.
Guardar como
No se pueden escribir los archivos de idioma %1.
Las apuestas se están calculando. Espere a que termine el cálculo o deténgalo.
El servidor no responde (tiempo de espera agotado).
No hay conexión con el servidor.
La transferencia ha fallado.
Los sorteos del %1 están dañados: más sorteos de los que tiene un día. No se ha guardado nada.
El archivo %1 es demasiado grande.
El archivo %1 contiene sorteos sin fecha válida (%2, el primero es el n.º %3); se omiten.
Los sorteos se están cargando. Espere a que termine la carga.
Ya se han alcanzado %1 filas
¡¡¡Compruebe la apuesta en el carrito!!!
¿Instalar Klick-Lotse de Kestrell?
¿Instalar Klick-Lotse ahora?
Exportar a texto
No se encontró la plantilla de informe "%1".
No se puede leer la plantilla de informe "%1".
No se puede leer la imagen de fondo "%1".
La plantilla de informe "%1" no contiene el campo %2.
¿Imprimir este boleto?
Imprimir
'%1' no es un número entero válido
'%1' no es un número válido
N.º de boleto sorteado el %1 en Super 6
N.º de boleto sorteado el %1 en Spiel 77
N.º de boleto nunca sorteado en Super 6 ni en Spiel 77
Pares en total:
Pares con %1:
Error: no se encuentra el campo Zahl%1_%2
El bote de números admite como máximo %1 entradas.
Archivos de texto
Archivo de texto
Archivo de apuestas
No se encontró el archivo %1.
No se puede abrir el archivo %1.
No se puede leer el archivo %1.
No se puede escribir el archivo %1.
No se puede reemplazar el archivo %1 por %2.
No hay espacio suficiente en el disco.
Acceso denegado.
Acceso al archivo denegado
No se puede abrir el archivo %1. %2
No se puede crear el archivo "%1". %2
No se encontró el archivo.
No se puede crear la carpeta %1.
El archivo "%1" no es un archivo de apuestas.
El archivo %1 no es una lista de valores válida.
'%1' no es una fecha válida
No se puede eliminar el archivo %1.
Los ajustes de %1 no se pueden leer y no se sobrescribirán.
Tipo de datos no válido para '%1'
Error al escribir el valor '%1'
No se puede abrir la clave de ajustes %1.
La dirección del carrito es demasiado larga.
La dirección del carrito del servidor no es válida.
Cargando
%1 bytes recibidos
Error: %1 
