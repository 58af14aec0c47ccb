<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnswerChart</name>
    <message>
        <source>Right answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Other answers</source>
        <translation>Otras respuestas</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Alumnos</translation>
    </message>
</context>
<context>
    <name>BuiltInLessons</name>
    <message>
        <source>Count in 2s</source>
        <translation>Contar de 2 en 2</translation>
    </message>
    <message>
        <source>The even numbers from 0: 0, 2, 4, 6 …</source>
        <translation>Los números pares desde 0: 0, 2, 4, 6 …</translation>
    </message>
    <message>
        <source>Count in 5s</source>
        <translation>Contar de 5 en 5</translation>
    </message>
    <message>
        <source>From 0 in steps of 5: 0, 5, 10, 15 …</source>
        <translation>De 5 en 5 desde 0: 0, 5, 10, 15 …</translation>
    </message>
    <message>
        <source>Count in 10s</source>
        <translation>Contar de 10 en 10</translation>
    </message>
    <message>
        <source>From 0 in steps of 10: 0, 10, 20, 30 …</source>
        <translation>De 10 en 10 desde 0: 0, 10, 20, 30 …</translation>
    </message>
    <message>
        <source>Count back in 3s from 30</source>
        <translation>Contar hacia atrás de 3 en 3 desde 30</translation>
    </message>
    <message>
        <source>30, 27, 24 … down to 0 and on below it.</source>
        <translation>30, 27, 24 … hasta 0 y más abajo.</translation>
    </message>
    <message>
        <source>Count through zero</source>
        <translation>Contar pasando por el cero</translation>
    </message>
    <message>
        <source>From -10 in steps of 2: -10, -8 … 0, 2, 4 …</source>
        <translation>De 2 en 2 desde -10: -10, -8 … 0, 2, 4 …</translation>
    </message>
    <message>
        <source>Count in 0.1s</source>
        <translation>Contar por décimas</translation>
    </message>
    <message>
        <source>Tenths from 0: 0, 0.1, 0.2 … on past 1.</source>
        <translation>Las décimas desde 0, hasta más allá de 1.</translation>
    </message>
    <message>
        <source>Count in 0.25s</source>
        <translation>Contar por cuartos</translation>
    </message>
    <message>
        <source>Quarters from 0: 0, 0.25, 0.5, 0.75, 1 …</source>
        <translation>Los cuartos desde 0: 0, ¼, ½, ¾, 1 …</translation>
    </message>
    <message>
        <source>Odd numbers</source>
        <translation>Números impares</translation>
    </message>
    <message>
        <source>From 1 in steps of 2: 1, 3, 5, 7 …</source>
        <translation>De 2 en 2 desde 1: 1, 3, 5, 7 …</translation>
    </message>
    <message>
        <source>Square numbers</source>
        <translation>Números cuadrados</translation>
    </message>
    <message>
        <source>1, 4, 9, 16 … The step grows by 2 each time.</source>
        <translation>1, 4, 9, 16 … El paso crece en 2 cada vez.</translation>
    </message>
    <message>
        <source>Triangular numbers</source>
        <translation>Números triangulares</translation>
    </message>
    <message>
        <source>1, 3, 6, 10 … The step grows by 1 each time.</source>
        <translation>1, 3, 6, 10 … El paso crece en 1 cada vez.</translation>
    </message>
    <message>
        <source>The 3 and 4 times tables</source>
        <translation>Las tablas del 3 y del 4</translation>
    </message>
    <message>
        <source>Two counters: 0, 3, 6, 9 … above 0, 4, 8, 12 …</source>
        <translation>Arriba: 0, 3, 6, 9 … Abajo: 0, 4, 8, 12 …</translation>
    </message>
    <message>
        <source>Count in 0.1s, hushing every 5th</source>
        <translation>Contar de 0,1 en 0,1, callando cada 5.º</translation>
    </message>
    <message>
        <source>0, 0.1 … 0.4, then ? for the class to say, 0.6 …</source>
        <translation>0; 0,1 … 0,4, luego ? que dice la clase, 0,6 …</translation>
    </message>
    <message>
        <source>Count in 7s and stop at 70</source>
        <translation>Contar de 7 en 7, parar en 70</translation>
    </message>
    <message>
        <source>0, 7, 14 … and a pause at 70: what comes next?</source>
        <translation>0, 7, 14 … y una pausa en 70: ¿qué viene después?</translation>
    </message>
</context>
<context>
    <name>ClassAnswers</name>
    <message>
        <source>Class Answers could not start: the ports %1 to %2 are all in use.</source>
        <translation>Las Respuestas de la clase no han podido iniciarse: los puertos %1 a %2 están todos en uso.</translation>
    </message>
</context>
<context>
    <name>ClassAnswersWindow</name>
    <message>
        <source>Class Answers</source>
        <translation>Respuestas de la clase</translation>
    </message>
    <message>
        <source>Ask for First Names</source>
        <translation>Pedir los nombres</translation>
    </message>
    <message>
        <source>Show Answers</source>
        <translation>Mostrar respuestas</translation>
    </message>
    <message>
        <source>Type an Answer</source>
        <translation>Escribir una respuesta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Answered: %1</source>
        <translation>Han respondido: %1</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Contador %1</translation>
    </message>
</context>
<context>
    <name>CountBoard</name>
    <message>
        <source>Count Board</source>
        <translation>Tablero de conteo</translation>
    </message>
</context>
<context>
    <name>CountBoardPanel</name>
    <message>
        <source>Fewer in Each Row</source>
        <translation>Menos por fila</translation>
    </message>
    <message>
        <source>More in Each Row</source>
        <translation>Más por fila</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>Borrar marcas</translation>
    </message>
    <message>
        <source>Rows of %1</source>
        <translation>Filas de %1</translation>
    </message>
</context>
<context>
    <name>CountBoardWindow</name>
    <message>
        <source>Count Board</source>
        <translation>Tablero de conteo</translation>
    </message>
</context>
<context>
    <name>GraphChart</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>GraphPlan</name>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Contador 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Contador 2</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Tallyvane Graph</source>
        <translation>Gráfico de Tallyvane</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help pages are in English for now.</source>
        <translation>Por ahora, las páginas de ayuda solo están en inglés.</translation>
    </message>
    <message>
        <source>&lt;p&gt;This page is missing from the help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Esta página falta en el archivo de ayuda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tallyvane Help</source>
        <translation>Ayuda de Tallyvane</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Start Page</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file %1 was not found. Tallyvane looked for it in these folders:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation>&lt;p&gt;No se encontró el archivo de ayuda %1. Tallyvane lo buscó en estas carpetas:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file %1 could not be read. It may be damaged, or it is not a help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se pudo leer el archivo de ayuda %1. Puede que esté dañado o que no sea un archivo de ayuda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tallyvane Help - Help is not available</source>
        <translation>Ayuda de Tallyvane - Ayuda no disponible</translation>
    </message>
    <message>
        <source>Help is not available</source>
        <translation>Ayuda no disponible</translation>
    </message>
    <message>
        <source>Tallyvane itself works as usual; only this help cannot be shown.</source>
        <translation>Tallyvane funciona con normalidad; solo esta ayuda no se puede mostrar.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>IconButton</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Count Faster</source>
        <translation>Contar más rápido</translation>
    </message>
    <message>
        <source>Count Slower</source>
        <translation>Contar más despacio</translation>
    </message>
    <message>
        <source>Hide/Show Top Counter</source>
        <translation>Ocultar/mostrar el contador de arriba</translation>
    </message>
    <message>
        <source>Hide/Show Bottom Counter</source>
        <translation>Ocultar/mostrar el contador de abajo</translation>
    </message>
    <message>
        <source>Hide/Show Counter</source>
        <translation>Ocultar/mostrar el contador</translation>
    </message>
    <message>
        <source>Hide/Show Both Counters</source>
        <translation>Ocultar/mostrar los dos contadores</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Increase Font Size</source>
        <translation>Aumentar la letra</translation>
    </message>
    <message>
        <source>Decrease Font Size</source>
        <translation>Reducir la letra</translation>
    </message>
    <message>
        <source>Change Font Colour</source>
        <translation>Cambiar el color de la letra</translation>
    </message>
    <message>
        <source>Change Background Colour</source>
        <translation>Cambiar el color del fondo</translation>
    </message>
    <message>
        <source>Move Toolbar</source>
        <translation>Mover la barra de herramientas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Continue Counting</source>
        <translation>Seguir contando</translation>
    </message>
    <message>
        <source>Stop Counting</source>
        <translation>Dejar de contar</translation>
    </message>
    <message>
        <source>Predict Next Number</source>
        <translation>Predecir el siguiente número</translation>
    </message>
    <message>
        <source>Number List</source>
        <translation>Lista de números</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Imprimir el gráfico</translation>
    </message>
    <message>
        <source>Bar Graph</source>
        <translation>Gráfico de barras</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Gráfico de líneas</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Guardar la lista</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir la lista</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Show Steps</source>
        <translation>Mostrar los pasos</translation>
    </message>
    <message>
        <source>Show the Rule</source>
        <translation>Mostrar la regla</translation>
    </message>
    <message>
        <source>Hide Steps</source>
        <translation>Ocultar los pasos</translation>
    </message>
    <message>
        <source>Class Answers</source>
        <translation>Respuestas de la clase</translation>
    </message>
    <message>
        <source>Count Board</source>
        <translation>Tablero de conteo</translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation>Guardar el tablero</translation>
    </message>
    <message>
        <source>Print Board</source>
        <translation>Imprimir el tablero</translation>
    </message>
</context>
<context>
    <name>JoinCard</name>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Class Answers</source>
        <translation>Respuestas de la clase</translation>
    </message>
    <message>
        <source>Tap to fold or unfold</source>
        <translation>Toca para plegar o desplegar</translation>
    </message>
    <message>
        <source>Devices joined: %1</source>
        <translation>Dispositivos unidos: %1</translation>
    </message>
    <message>
        <source>No school network found: pupils cannot join</source>
        <translation>No se encontró la red del centro: los alumnos no pueden unirse</translation>
    </message>
</context>
<context>
    <name>JoinScreen</name>
    <message>
        <source>Join Class Answers</source>
        <translation>Unirse a las respuestas de la clase</translation>
    </message>
    <message>
        <source>Tap to see the board</source>
        <translation>Toca para ver la pizarra</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>No school network found: pupils cannot join</source>
        <translation>No se encontró la red del centro: los alumnos no pueden unirse</translation>
    </message>
    <message>
        <source>Devices joined: %1</source>
        <translation>Dispositivos unidos: %1</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Point</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>DEL</source>
        <extracomment>The Delete key: four letters fit on it.</extracomment>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>TAB</source>
        <extracomment>The Tab key: four letters fit on it.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>TAB to next box</source>
        <translation>Tab: a la casilla siguiente</translation>
    </message>
    <message>
        <source>Move Keypad</source>
        <translation>Mover el teclado</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Mayúscula</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
</context>
<context>
    <name>LessonMessages</name>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file as it was has been kept as %3.</source>
        <translation>Algunos de sus ejercicios guardados no se pudieron leer. Se leyeron %1 ejercicios, que están en la lista; %2 no se pudieron leer. El archivo tal como estaba se ha conservado como %3.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. %1 lessons were read and are in the list; %2 could not be read. The file could not be moved aside, so it is left as it was, and changes to your lessons cannot be saved until it is mended or moved.</source>
        <translation>Algunos de sus ejercicios guardados no se pudieron leer. Se leyeron %1 ejercicios, que están en la lista; %2 no se pudieron leer. El archivo no se pudo apartar: queda como estaba, y los cambios en sus ejercicios no se podrán guardar hasta que se repare o se mueva.</translation>
    </message>
    <message>
        <source>Your saved lessons in %1 cannot be read: %2. The file is left as it is, and changes to your lessons cannot be saved until it can be read.</source>
        <translation>Sus ejercicios guardados en %1 no se pueden leer: %2. El archivo queda como está, y los cambios en sus ejercicios no se podrán guardar hasta que se pueda leer.</translation>
    </message>
    <message>
        <source>Your lessons were saved by a newer version of Tallyvane. %1 lessons were read; %2 that this version cannot show are kept in the file as they are.</source>
        <translation>Sus ejercicios se guardaron con una versión más reciente de Tallyvane. Se leyeron %1 ejercicios; %2 que esta versión no puede mostrar se conservan tal cual en el archivo.</translation>
    </message>
    <message>
        <source>Your lessons file cannot be read, so nothing has been changed.</source>
        <translation>Su archivo de ejercicios no se puede leer, así que no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>That would make your lessons file larger than %1 MB, which is as large as it can be. Nothing has been changed.</source>
        <translation>Su archivo de ejercicios pasaría de %1 MB, el tamaño máximo posible. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Another copy of Tallyvane is saving your lessons. Nothing has been changed: please try again.</source>
        <translation>Otra copia de Tallyvane está guardando sus ejercicios. No se ha cambiado nada: inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>That lesson has been changed or deleted in another copy of Tallyvane. The list now shows your lessons as they are.</source>
        <translation>Ese ejercicio se ha cambiado o eliminado en otra copia de Tallyvane. La lista muestra ahora sus ejercicios tal como están.</translation>
    </message>
    <message>
        <source>That file cannot be read: %1. Nothing has been changed.</source>
        <translation>Ese archivo no se puede leer: %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Import Lessons</source>
        <translation>Importar ejercicios</translation>
    </message>
</context>
<context>
    <name>LessonPlan</name>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>pauses every %1</source>
        <translation>pausa cada %1</translation>
    </message>
    <message>
        <source>pauses when counter %1 reaches %2</source>
        <translation>pausa cuando el contador %1 llega a %2</translation>
    </message>
    <message>
        <source>hushes every %1</source>
        <translation>calla cada %1</translation>
    </message>
    <message>
        <source>aloud</source>
        <translation>en voz alta</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Export Lessons</source>
        <translation>Exportar ejercicios</translation>
    </message>
    <message>
        <source>Tap the lessons to export.</source>
        <translation>Toque los ejercicios que quiera exportar.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Use Lesson</source>
        <translation>Usar ejercicio</translation>
    </message>
    <message>
        <source>Save as Lesson…</source>
        <translation>Nuevo ejercicio…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Cambiar nombre…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Lessons that come with Tallyvane</source>
        <translation>Ejercicios incluidos en Tallyvane</translation>
    </message>
    <message>
        <source>Your own lessons</source>
        <translation>Sus ejercicios</translation>
    </message>
    <message>
        <source>None yet: press Save as Lesson… to add one.</source>
        <translation>Aún ninguno: «Nuevo ejercicio…» crea uno.</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>Count</source>
        <translation>Conteo</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Contador 1</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Contador 2</translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Step change</source>
        <translation>Cambio del paso</translation>
    </message>
</context>
<context>
    <name>ListWindow</name>
    <message>
        <source>Number List</source>
        <translation>Lista de números</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tallyvane has exceeded the maximum number of counts.</source>
        <translation>Tallyvane ha superado el número máximo de conteos.</translation>
    </message>
    <message>
        <source>The numbers have grown too large to count.</source>
        <translation>Los números se han hecho demasiado grandes para contarlos.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit?</source>
        <translation>¿Seguro que quiere salir?</translation>
    </message>
    <message>
        <source>Are you sure you want to Quit Tallyvane?</source>
        <translation>¿Seguro que quiere salir de Tallyvane?</translation>
    </message>
    <message>
        <source>Too many values to list.</source>
        <translation>Demasiados valores para una lista.</translation>
    </message>
    <message>
        <source>The table has not been printed.</source>
        <translation>La tabla no se ha impreso.</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>The list has not been saved.</source>
        <translation>La lista no se ha guardado.</translation>
    </message>
    <message>
        <source>Saving Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Not enough values to graph.</source>
        <translation>No hay suficientes valores para un gráfico.</translation>
    </message>
    <message>
        <source>Too many values to graph.</source>
        <translation>Demasiados valores para un gráfico.</translation>
    </message>
    <message>
        <source>Too many values to show on a bar graph.</source>
        <translation>Demasiados valores para un gráfico de barras.</translation>
    </message>
    <message>
        <source>The graph has not been printed.</source>
        <translation>El gráfico no se ha impreso.</translation>
    </message>
    <message>
        <source>The graph has not been saved.</source>
        <translation>El gráfico no se ha guardado.</translation>
    </message>
    <message>
        <source>That number is too large.</source>
        <translation>Ese número es demasiado grande.</translation>
    </message>
    <message>
        <source>Change Settings</source>
        <translation>Cambiar los ajustes</translation>
    </message>
    <message>
        <source>What is the next number?</source>
        <translation>¿Cuál es el siguiente número?</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Predecir</translation>
    </message>
    <message>
        <source>What is the next number for counter 1?</source>
        <translation>¿Cuál es el siguiente número del contador 1?</translation>
    </message>
    <message>
        <source>Predict Counter 1</source>
        <translation>Predecir el contador 1</translation>
    </message>
    <message>
        <source>What is the next number for counter 2?</source>
        <translation>¿Cuál es el siguiente número del contador 2?</translation>
    </message>
    <message>
        <source>Predict Counter 2</source>
        <translation>Predecir el contador 2</translation>
    </message>
    <message>
        <source>Some of your saved lessons could not be read. Every lesson that could be read is still in the list, and the damaged file has been kept as lessons.json.damaged.</source>
        <translation>Algunos de sus ejercicios guardados no se pudieron leer. Todos los que se pudieron leer siguen en la lista, y el archivo dañado se ha conservado como lessons.json.damaged.</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>The lessons have not been saved.</source>
        <translation>Los ejercicios no se han guardado.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this lesson?</source>
        <translation>¿Seguro que quiere eliminar este ejercicio?</translation>
    </message>
    <message>
        <source>That file holds no lessons that Tallyvane can read.</source>
        <translation>Ese archivo no contiene ejercicios que Tallyvane pueda leer.</translation>
    </message>
    <message>
        <source>Import Lessons</source>
        <translation>Importar ejercicios</translation>
    </message>
    <message>
        <source>Some lessons in that file could not be read. The others have been added.</source>
        <translation>Algunos ejercicios de ese archivo no se pudieron leer. Los demás se han añadido.</translation>
    </message>
    <message>
        <source>Some lessons have the same name as one already in your list. They have been added with a number after the name.</source>
        <translation>Algunos ejercicios tienen el mismo nombre que uno que ya está en su lista. Se han añadido con un número tras el nombre.</translation>
    </message>
    <message>
        <source>The lessons in that file are already in your list.</source>
        <translation>Los ejercicios de ese archivo ya están en su lista.</translation>
    </message>
    <message>
        <source>What is the lesson called?</source>
        <translation>¿Cómo se llama el ejercicio?</translation>
    </message>
    <message>
        <source>Save as Lesson</source>
        <translation>Guardar como ejercicio</translation>
    </message>
    <message>
        <source>What is the lesson&apos;s new name?</source>
        <translation>¿Cuál es el nuevo nombre del ejercicio?</translation>
    </message>
    <message>
        <source>Rename Lesson</source>
        <translation>Cambiar el nombre del ejercicio</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>point</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>times ten to the power</source>
        <translation>por diez elevado a</translation>
    </message>
    <message>
        <source>The board has not been printed.</source>
        <translation>El tablero no se ha impreso.</translation>
    </message>
    <message>
        <source>The board has not been saved.</source>
        <translation>El tablero no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>Mistake</name>
    <message>
        <source>the number on the board</source>
        <translation>el número de la pizarra</translation>
    </message>
    <message>
        <source>counter %1&apos;s number</source>
        <translation>el número del contador %1</translation>
    </message>
    <message>
        <source>the same step again</source>
        <translation>el mismo paso otra vez</translation>
    </message>
    <message>
        <source>one step too many</source>
        <translation>un paso de más</translation>
    </message>
    <message>
        <source>one step too few</source>
        <translation>un paso de menos</translation>
    </message>
    <message>
        <source>the step in the wrong direction</source>
        <translation>el paso en la dirección contraria</translation>
    </message>
    <message>
        <source>a slip of place value</source>
        <translation>un error de valor posicional</translation>
    </message>
</context>
<context>
    <name>PauseDialog</name>
    <message>
        <source>Paused Counting</source>
        <translation>Conteo en pausa</translation>
    </message>
</context>
<context>
    <name>PupilTexts</name>
    <message>
        <source>Class Answers</source>
        <translation>Respuestas de la clase</translation>
    </message>
    <message>
        <source>Type the code on the board</source>
        <translation>Escribe el código de la pizarra</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Your first name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Watch the board.</source>
        <translation>Mira la pizarra.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>The next number is %1.</source>
        <translation>El siguiente número es %1.</translation>
    </message>
    <message>
        <source>Connection lost. Reconnecting…</source>
        <translation>Conexión perdida. Reconectando…</translation>
    </message>
    <message>
        <source>That is not the code on the board. Try again.</source>
        <translation>Ese no es el código de la pizarra. Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Too many wrong codes. Wait 30 seconds, then try again.</source>
        <translation>Demasiados códigos incorrectos. Espera 30 segundos y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>That is not a number. Use the keys to type one.</source>
        <translation>Eso no es un número. Usa las teclas para escribir uno.</translation>
    </message>
    <message>
        <source>That answer is too long.</source>
        <translation>Esa respuesta es demasiado larga.</translation>
    </message>
    <message>
        <source>That message is too long.</source>
        <translation>Ese mensaje es demasiado largo.</translation>
    </message>
    <message>
        <source>Too many messages. Wait a moment, then try again.</source>
        <translation>Demasiados mensajes. Espera un momento y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The class is full: no more devices can join.</source>
        <translation>La clase está completa: no pueden unirse más dispositivos.</translation>
    </message>
    <message>
        <source>Answers are closed for now.</source>
        <translation>Las respuestas están cerradas por ahora.</translation>
    </message>
    <message>
        <source>Type the code on the board first.</source>
        <translation>Escribe primero el código de la pizarra.</translation>
    </message>
    <message>
        <source>This page answers only devices on the school&apos;s own network.</source>
        <translation>Esta página solo responde a dispositivos de la propia red del colegio.</translation>
    </message>
    <message>
        <source>That request is too large.</source>
        <translation>Esa solicitud es demasiado grande.</translation>
    </message>
    <message>
        <source>That message could not be read.</source>
        <translation>No se ha podido leer ese mensaje.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the code of the language translated into</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>Class Answers has been turned off.</source>
        <translation>Se han desactivado las Respuestas de la clase.</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Enviada.</translation>
    </message>
    <message>
        <source>You can change it until the answers are shown.</source>
        <translation>Puedes cambiarla hasta que se muestren las respuestas.</translation>
    </message>
    <message>
        <source>You said %1.</source>
        <translation>Dijiste %1.</translation>
    </message>
</context>
<context>
    <name>RoutineDialog</name>
    <message>
        <source>Routine</source>
        <translation>Rutina</translation>
    </message>
    <message>
        <source>Pause by itself</source>
        <translation>Pausa automática</translation>
    </message>
    <message>
        <source>After every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Counts between pauses</source>
        <translation>Cuentas entre pausas</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuando</translation>
    </message>
    <message>
        <source>counter 1</source>
        <translation>contador 1</translation>
    </message>
    <message>
        <source>counter 2</source>
        <translation>contador 2</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Value to pause at</source>
        <translation>Valor de la pausa</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>cuentas</translation>
    </message>
    <message>
        <source>reaches</source>
        <translation>llega a</translation>
    </message>
    <message>
        <source>Hush numbers</source>
        <translation>Números callados</translation>
    </message>
    <message>
        <source>Show “?” for one number in every</source>
        <translation>Mostrar «?» para un número de cada</translation>
    </message>
    <message>
        <source>Numbers to each hushed one</source>
        <translation>Números por cada callado</translation>
    </message>
    <message>
        <source>Count aloud</source>
        <translation>Contar en voz alta</translation>
    </message>
    <message>
        <source>Say each number as it appears</source>
        <translation>Decir cada número al aparecer</translation>
    </message>
    <message>
        <source>No voice is installed.</source>
        <translation>No hay ninguna voz instalada.</translation>
    </message>
    <message>
        <source>Voices here: %1.</source>
        <translation>Voces aquí: %1.</translation>
    </message>
    <message>
        <source>No voice here speaks this language, so Tallyvane cannot count aloud.</source>
        <translation>Ninguna voz habla este idioma aquí, así que Tallyvane no puede contar en voz alta.</translation>
    </message>
    <message>
        <source>At %1 s a count there is no time to say every number: each number is said only once the one before has been said in full.</source>
        <translation>A %1 s por cuenta no hay tiempo para decir cada número: un número se dice solo cuando el anterior se ha dicho entero.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Looking for voices…</source>
        <translation>Buscando voces…</translation>
    </message>
    <message>
        <source>No sound: the voice has stopped.</source>
        <translation>Sin sonido: la voz se ha detenido.</translation>
    </message>
</context>
<context>
    <name>RuleWindow</name>
    <message>
        <source>The Rule</source>
        <translation>La regla</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Contador %1</translation>
    </message>
    <message>
        <source>The nth number is %1</source>
        <translation>El número n-ésimo es %1</translation>
    </message>
    <message>
        <source>The nth number is about %1</source>
        <translation>El número n-ésimo es aproximadamente %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SaveFilters</name>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Tallyvane Lessons</source>
        <translation>Ejercicios de Tallyvane</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Imágenes BMP</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG Drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Archivo CSV</translation>
    </message>
</context>
<context>
    <name>SequenceRule</name>
    <message>
        <source>Start at %1.</source>
        <translation>Empieza en %1.</translation>
    </message>
    <message>
        <source>Take away %1 every time.</source>
        <translation>Resta %1 cada vez.</translation>
    </message>
    <message>
        <source>Add %1 every time.</source>
        <translation>Suma %1 cada vez.</translation>
    </message>
    <message>
        <source>The first step is %1, and the step shrinks by %2 after every count.</source>
        <translation>El primer paso es %1, y el paso disminuye en %2 después de cada conteo.</translation>
    </message>
    <message>
        <source>The first step is %1, and the step grows by %2 after every count.</source>
        <translation>El primer paso es %1, y el paso aumenta en %2 después de cada conteo.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Change Settings</source>
        <translation>Cambiar los ajustes</translation>
    </message>
    <message>
        <source>Counter 1</source>
        <translation>Contador 1</translation>
    </message>
    <message>
        <source>First Number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>First Step</source>
        <translation>Primer paso</translation>
    </message>
    <message>
        <source>Step Changes by</source>
        <translation>El paso cambia</translation>
    </message>
    <message>
        <source>Speed in secs.</source>
        <translation>Velocidad en s</translation>
    </message>
    <message>
        <source>Counter 2</source>
        <translation>Contador 2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Ejercicios…</translation>
    </message>
    <message>
        <source>Routine…</source>
        <translation>Rutina…</translation>
    </message>
</context>
<context>
    <name>SwatchColourDialog</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Light Coral</source>
        <translation>Coral claro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesí</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Rojo ladrillo</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Peach Puff</source>
        <translation>Melocotón</translation>
    </message>
    <message>
        <source>Light Salmon</source>
        <translation>Salmón claro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Dark Orange</source>
        <translation>Naranja oscuro</translation>
    </message>
    <message>
        <source>Orange Red</source>
        <translation>Rojo anaranjado</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Caqui</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Vara de oro</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Verde pálido</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Lime Green</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Light Sea Green</source>
        <translation>Verde mar claro</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Deep Sky Blue</source>
        <translation>Azul cielo intenso</translation>
    </message>
    <message>
        <source>Royal Blue</source>
        <translation>Azul real</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ciruela</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Trigo</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Canela</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perú</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Saddle Brown</source>
        <translation>Marrón cuero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Dim Grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>version %1d</source>
        <translation>versión %1d</translation>
    </message>
</context>
</TS>
