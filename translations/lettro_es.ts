<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code holds only letters, digits and dashes; a board, only its 16 letters.</source>
        <translation>Un código de tablero solo lleva letras, cifras y guiones; un tablero, solo sus 16 letras.</translation>
    </message>
    <message>
        <source>Type a board code, or the 16 letters of a board row by row.</source>
        <translation>Escribe un código de tablero, o las 16 letras de un tablero fila por fila.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is 16 with digits; a board code starts with its version, 1.</source>
        <translation>Un tablero son 16 letras (Q por Qu), y esto son 16 con cifras; un código de tablero empieza por su versión, 1.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is %1; a board code starts with its version, 1.</source>
        <translation>Un tablero son 16 letras (Q por Qu), y esto son %1; un código de tablero empieza por su versión, 1.</translation>
    </message>
    <message>
        <source>This board code is of version %1, which this Lettro cannot read: it reads version 1 codes.</source>
        <translation>Este código de tablero es de la versión %1, que este Lettro no sabe leer: lee códigos de la versión 1.</translation>
    </message>
    <message>
        <source>A board code has %1 letters and digits, not counting dashes; this one has %2. Is a part missing?</source>
        <translation>Un código de tablero tiene %1 letras y cifras, sin contar los guiones; este tiene %2. ¿Falta una parte?</translation>
    </message>
    <message>
        <source>This board code has a typo: its letters do not match its last character. Check it letter by letter.</source>
        <translation>Este código de tablero tiene una errata: sus letras no coinciden con su último carácter. Revísalo letra por letra.</translation>
    </message>
    <message>
        <source>This board code is for a board language this Lettro does not have (%1).</source>
        <translation>Este código de tablero es de un idioma de tablero que este Lettro no tiene (%1).</translation>
    </message>
    <message>
        <source>This is not a board code Lettro made.</source>
        <translation>Esto no es un código de tablero creado por Lettro.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lettro, a word game with letter dice.</source>
        <translation>Lettro, un juego de palabras con dados de letras.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Shake the dice from seed &lt;N&gt; (0 to 4294967295): the same boards in the same order every time, for replays and tests.</source>
        <translation>Agitar los dados a partir de la semilla &lt;N&gt; (0 a 4294967295): los mismos tableros en el mismo orden cada vez, para repeticiones y pruebas.</translation>
    </message>
    <message>
        <source>Play on the network from IPv4 address &lt;A&gt; (default: $LETTRO_ADDRESS, else every interface); copies on one machine each take their own 127.0.0.x.</source>
        <translation>Jugar en red desde la dirección IPv4 &lt;A&gt; (por defecto: $LETTRO_ADDRESS, si no, todas las interfaces); varias copias en un mismo equipo toman cada una su propia 127.0.0.x.</translation>
    </message>
    <message>
        <source>Play in board language &lt;XX&gt; this time: en, fr, de, es, it, pt or nl (default: the one chosen in the options).</source>
        <translation>Jugar esta vez en el idioma de tablero &lt;XX&gt;: en, fr, de, es, it, pt o nl (por defecto: el elegido en las opciones).</translation>
    </message>
    <message>
        <source>Start by playing the board of board code &lt;CODE&gt; with its settings, or 16 letters row by row (Q for Qu) with your own.</source>
        <translation>Empezar jugando el tablero del código &lt;CODE&gt; con sus ajustes, o 16 letras fila por fila (Q por Qu) con los tuyos.</translation>
    </message>
    <message>
        <source>Show the windows in language &lt;XX&gt;: en, fr, de, es, it, pt or nl (default: the one chosen in the options, else the desktop&apos;s).</source>
        <translation>Mostrar las ventanas en el idioma &lt;XX&gt;: en, fr, de, es, it, pt o nl (por defecto: el elegido en las opciones, si no, el del escritorio).</translation>
    </message>
</context>
<context>
    <name>DefinitionPanel</name>
    <message>
        <source>“%1” on Wiktionary</source>
        <translation>«%1» en Wikcionario</translation>
    </message>
</context>
<context>
    <name>Definitions</name>
    <message>
        <source>No definition here</source>
        <translation>No hay definición</translation>
    </message>
    <message>
        <source>Definitions in %1 come with the package %2.</source>
        <translation>Las definiciones (%1) vienen con el paquete %2.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Definitions are read from Debian packages where they are installed; Lettro ships none of their data.
English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 licence (package wordnet-base).
French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into English, copyright the FreeDict contributors, under the GNU GPL version 2 or later (packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).</source>
        <translation>Las definiciones se leen de los paquetes de Debian donde estén instalados; Lettro no incluye ninguno de sus datos.
Inglés: WordNet 3.0, copyright 2006 Princeton University, bajo la licencia de WordNet 3.0 (paquete wordnet-base).
Francés, español, italiano, portugués y neerlandés: los diccionarios FreeDict al inglés, copyright los colaboradores de FreeDict, bajo la GNU GPL versión 2 o posterior (paquetes dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
Alemán: el diccionario FreeDict alemán-inglés, copyright Frank Richter y Einhard Leichtfuß, bajo la GNU GPL versión 3 o posterior (paquete dict-freedict-deu-eng).</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with the dictionary it came with, %3; the damaged file is kept as %1.unreadable when the dictionary is next saved.</source>
        <translation>No se pudo cargar el archivo de diccionario %1: %2.

Lettro se iniciará con el diccionario que trae de serie, %3; el archivo dañado se conservará como %1.unreadable la próxima vez que se guarde el diccionario.</translation>
    </message>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with an empty dictionary, so no board will hold any words until words are added or merged in the Dictionary Editor.</source>
        <translation>No se pudo cargar el archivo de diccionario %1: %2.

Lettro se iniciará con un diccionario vacío, así que ningún tablero tendrá palabras hasta que se añadan o combinen palabras en el editor del diccionario.</translation>
    </message>
    <message>
        <source>The dictionary was not saved: the unreadable file %1 could not be kept as %2 before being replaced.</source>
        <translation>El diccionario no se guardó: el archivo ilegible %1 no se pudo conservar como %2 antes de reemplazarlo.</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to %1: %2.

The file was left as it was, so your changes to the dictionary are not in it.</source>
        <translation>No se pudo guardar el diccionario en %1: %2.

El archivo se dejó como estaba, así que tus cambios en el diccionario no están en él.</translation>
    </message>
    <message>
        <source>Dictionary has been updated, do you want to save it?</source>
        <translation>El diccionario ha cambiado, ¿quieres guardarlo?</translation>
    </message>
    <message>
        <source>Save dictionary?</source>
        <translation>¿Guardar el diccionario?</translation>
    </message>
</context>
<context>
    <name>DictionaryEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar co&amp;mo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Starting letters</source>
        <translation>&amp;Letras iniciales</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nueva palabra</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>The word file is larger than %1 MiB: only its first %1 MiB were merged.</source>
        <translation>El archivo de palabras supera los %1 MiB: solo se combinaron sus primeros %1 MiB.</translation>
    </message>
    <message>
        <source>%1 words added, %2 lines skipped</source>
        <translation>%1 palabras añadidas, %2 líneas omitidas</translation>
    </message>
    <message>
        <source>Words must be 3 to 16 letters long.</source>
        <translation>Las palabras deben tener de 3 a 16 letras.</translation>
    </message>
    <message>
        <source>Word has a non-alphabetic character, no added.</source>
        <translation>La palabra tiene un carácter no alfabético, no se ha añadido.</translation>
    </message>
    <message>
        <source>You must select a word to remove.</source>
        <translation>Debes seleccionar una palabra para quitarla.</translation>
    </message>
    <message>
        <source>Clear the dictionary?</source>
        <translation>¿Vaciar el diccionario?</translation>
    </message>
    <message>
        <source>The word file %1 could not be opened.</source>
        <translation>No se pudo abrir el archivo de palabras %1.</translation>
    </message>
    <message>
        <source>The word file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de palabras %1.</translation>
    </message>
    <message>
        <source>Lettro Dictionary</source>
        <translation>Diccionario de Lettro</translation>
    </message>
    <message>
        <source>Merge a Word File</source>
        <translation>Combinar un archivo de palabras</translation>
    </message>
    <message>
        <source>All Files (*);;Text Files (*.txt)</source>
        <translation>Todos los archivos (*);;Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Save the Dictionary as a Word File</source>
        <translation>Guardar el diccionario como archivo de palabras</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>Put back the word removed last</source>
        <translation>Devolver la última palabra quitada</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Score so far: %1 (%2)</source>
        <translation>Puntuación hasta ahora: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 2 - Hit OK when ready to start game.</source>
        <translation>Jugador 2 - Pulsa Aceptar cuando estés listo para empezar.</translation>
    </message>
    <message>
        <source>Player 1 - Hit OK when ready to start game.</source>
        <translation>Jugador 1 - Pulsa Aceptar cuando estés listo para empezar.</translation>
    </message>
    <message>
        <source>Hit OK when ready to start game.</source>
        <translation>Pulsa Aceptar cuando estés listo para empezar.</translation>
    </message>
    <message>
        <source>Hit OK when ready to resume.</source>
        <translation>Pulsa Aceptar cuando estés listo para continuar.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Partida en pausa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>+%1 s</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n palabra introducida</numerusform>
            <numerusform>%n palabras introducidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>Lettro encontró %n palabra</numerusform>
            <numerusform>Lettro encontró %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Introducir</translation>
    </message>
</context>
<context>
    <name>GameProgressWindow</name>
    <message>
        <source>Lettro Progress</source>
        <translation>Progreso de Lettro</translation>
    </message>
    <message>
        <source>Points, game by game</source>
        <translation>Puntos, partida a partida</translation>
    </message>
    <message>
        <source>Share of the board&apos;s words found</source>
        <translation>Parte de las palabras del tablero encontradas</translation>
    </message>
    <message>
        <source>Words by length</source>
        <translation>Palabras por longitud</translation>
    </message>
    <message>
        <source>Boards of the day played</source>
        <translation>Tableros del día jugados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Board language:</source>
        <translation>Idioma del tablero:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ajustes:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Streak: %1 in a row; longest %2.</source>
        <translation>Racha: %1 seguidos; la más larga, %2.</translation>
    </message>
    <message>
        <source>No finished games recorded with these filters yet. Every finished single-player game is recorded.</source>
        <translation>Todavía no hay partidas terminadas con estos filtros. Se registra cada partida de un jugador terminada.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; %4 points on average, %5 at best.</source>
        <translation>%1 del %2 al %3; %4 puntos de media, %5 como máximo.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>

The board language in play, %1, has a word list of its own, used under the notice shown in full under Show Details (and in words-%2-LICENSE.txt).</source>
        <translation>

El idioma de tablero en juego, %1, tiene su propia lista de palabras, usada según el aviso que se muestra completo en Mostrar detalles (y en words-%2-LICENSE.txt).</translation>
    </message>
    <message>
        <source>

A word game: find the words hidden in a board of shaken letter dice before the clock runs out, alone, against a friend or over the network.

Lettro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) for details.

The word list is taken from SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and others, used under their permission notices, which are in words-LICENSE.txt.</source>
        <translation>

Un juego de palabras: encuentra las palabras escondidas en un tablero de dados de letras agitados antes de que se acabe el tiempo, solo, contra un amigo o en red.

Lettro es software libre: puedes redistribuirlo y/o modificarlo según los términos de la GNU General Public License, versión 3 o (a tu elección) cualquier versión posterior. Se ofrece SIN NINGUNA GARANTÍA; consulta la licencia (LICENSE) para más detalles.

La lista de palabras procede de SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, con partes copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) y otros, usadas según sus avisos de permiso, que están en words-LICENSE.txt.</translation>
    </message>
    <message>
        <source>

Using Qt %1.</source>
        <translation>

Con Qt %1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;&lt;p&gt;It is installed beside the Lettro program; reinstalling Lettro puts it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Página no encontrada&lt;/h2&gt;&lt;p&gt;No se encontró la página de ayuda &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Se instala junto al programa Lettro; reinstalar Lettro la repone.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
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
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Lettro Help</source>
        <translation>Ayuda de Lettro</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>No se pudieron guardar las mejores puntuaciones en %1: %2.</translation>
    </message>
    <message>
        <source>Your name for the high scores:</source>
        <translation>Tu nombre para las mejores puntuaciones:</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It has been kept as %3, and the high scores start again from an empty table.</source>
        <translation>No se pudo usar el archivo de mejores puntuaciones %1: %2.

Se ha conservado como %3, y las mejores puntuaciones empiezan de nuevo con una tabla vacía.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the high scores of this session will not be saved.</source>
        <translation>No se pudo usar el archivo de mejores puntuaciones %1: %2.

Tampoco se pudo apartar, así que se deja como está y las mejores puntuaciones de esta sesión no se guardarán.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nueva mejor puntuación</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large to be a Lettro high-score file</source>
        <translation>es demasiado grande para ser un archivo de mejores puntuaciones de Lettro</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenética</translation>
    </message>
    <message>
        <source>Standard %1</source>
        <translation>Estándar %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is not a Lettro high-score file</source>
        <translation>no es un archivo de mejores puntuaciones de Lettro</translation>
    </message>
    <message>
        <source>it was written by another version of Lettro (format %1)</source>
        <translation>lo escribió otra versión de Lettro (formato %1)</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la línea %1 está dañada</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Tablero del día</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>Lettro High Scores</source>
        <translation>Mejores puntuaciones de Lettro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontradas</translation>
    </message>
    <message>
        <source>Change &amp;Name...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partida:</translation>
    </message>
    <message>
        <source>Player: not chosen yet</source>
        <translation>Jugador: aún sin elegir</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jugador: %1</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game kept at the last quit (%1) could not be used: %2.%3</source>
        <translation>La partida guardada al salir la última vez (%1) no se pudo usar: %2.%3</translation>
    </message>
    <message>
        <source>

It could not be moved aside.</source>
        <translation>

No se pudo apartar.</translation>
    </message>
    <message>
        <source>

It has been kept as %1.</source>
        <translation>

Se ha conservado como %1.</translation>
    </message>
    <message>
        <source>The game kept at the last quit could not be resumed: its board language is not available.</source>
        <translation>La partida guardada al salir la última vez no se pudo reanudar: su idioma de tablero no está disponible.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Shake the dice and start a new game</source>
        <translation>Agitar los dados y empezar una partida nueva</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausar partida</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Pausar la partida</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>End the game now</source>
        <translation>Terminar la partida ahora</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Time, game type, players, word sizes and more</source>
        <translation>Tiempo, tipo de partida, jugadores, longitud de palabra y más</translation>
    </message>
    <message>
        <source>Dictionary Editor</source>
        <translation>Editor del diccionario</translation>
    </message>
    <message>
        <source>Browse and edit the dictionary</source>
        <translation>Explorar y editar el diccionario</translation>
    </message>
    <message>
        <source>Network Game</source>
        <translation>Partida en red</translation>
    </message>
    <message>
        <source>Play with others on the local network</source>
        <translation>Jugar con otros en la red local</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Exit Lettro</source>
        <translation>Salir de Lettro</translation>
    </message>
    <message>
        <source>Leave Lettro</source>
        <translation>Cerrar Lettro</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Introducir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>WARNING - undefined message received from </source>
        <translation>AVISO - mensaje desconocido recibido de </translation>
    </message>
    <message>
        <source>Can&apos;t start the game without another player!</source>
        <translation>¡No se puede empezar la partida sin otro jugador!</translation>
    </message>
    <message>
        <source>Sending game data to players...</source>
        <translation>Enviando los datos de la partida a los jugadores...</translation>
    </message>
    <message>
        <source>Notifying game players...</source>
        <translation>Avisando a los jugadores...</translation>
    </message>
    <message>
        <source>Notifying game host...</source>
        <translation>Avisando al anfitrión...</translation>
    </message>
    <message>
        <source>Select the player to boot, then press &apos;Boot Player&apos; again</source>
        <translation>Selecciona el jugador que quieres expulsar y pulsa de nuevo «Expulsar jugador»</translation>
    </message>
    <message>
        <source>Are you sure you want to boot %1?</source>
        <translation>¿Seguro que quieres expulsar a %1?</translation>
    </message>
    <message>
        <source>Waiting for results from players...</source>
        <translation>Esperando los resultados de los jugadores...</translation>
    </message>
    <message>
        <source>Listening for players...</source>
        <translation>Esperando jugadores...</translation>
    </message>
    <message>
        <source>Sending results to players...</source>
        <translation>Enviando los resultados a los jugadores...</translation>
    </message>
    <message>
        <source>Failure with initialize of Lettro networking service.</source>
        <translation>No se pudo iniciar el servicio de red de Lettro.</translation>
    </message>
    <message>
        <source>Unknown game state</source>
        <translation>Estado de partida desconocido</translation>
    </message>
    <message>
        <source>WARNING - undefined acknowledgement received from </source>
        <translation>AVISO - confirmación desconocida recibida de </translation>
    </message>
    <message>
        <source>The host did not let you join its game.</source>
        <translation>El anfitrión no te dejó unirte a su partida.</translation>
    </message>
    <message>
        <source>Host is ending your game...</source>
        <translation>El anfitrión está terminando tu partida...</translation>
    </message>
    <message>
        <source>Ready - synchronizing with host...</source>
        <translation>Listo - sincronizando con el anfitrión...</translation>
    </message>
    <message>
        <source>Found host, connecting to %1...</source>
        <translation>Anfitrión encontrado, conectando con %1...</translation>
    </message>
    <message>
        <source>Incompatible Lettro version</source>
        <translation>Versión de Lettro incompatible</translation>
    </message>
    <message>
        <source>Host is now playing a new game.  Your game is over.</source>
        <translation>El anfitrión está jugando ahora una partida nueva.  Tu partida ha terminado.</translation>
    </message>
    <message>
        <source>Received WT message from client in incorrect state, ignored</source>
        <translation>Mensaje WT recibido de un cliente en un estado incorrecto, ignorado</translation>
    </message>
    <message>
        <source>Searching for game host...</source>
        <translation>Buscando al anfitrión de la partida...</translation>
    </message>
    <message>
        <source>Port 20000 is in use here, so no host can answer a search: use Connect... to name the host</source>
        <translation>El puerto 20000 ya está en uso aquí, así que ningún anfitrión puede responder a una búsqueda: usa Conectar... para indicar el anfitrión</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Crear partida</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Unirse a partida</translation>
    </message>
    <message>
        <source>Enter PC network name or IP address</source>
        <translation>Escribe el nombre de red del PC o su dirección IP</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Looking for %1...</source>
        <translation>Buscando %1...</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Lettro Networking</source>
        <translation>Lettro en red</translation>
    </message>
    <message>
        <source>&amp;Repeat Letters</source>
        <translation>Letras &amp;repetidas</translation>
    </message>
    <message>
        <source>&amp;Min Word Size</source>
        <translation>&amp;Longitud mínima</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Conectar...</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Boot Player</source>
        <translation>&amp;Expulsar jugador</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Add Computer Player</source>
        <translation>&amp;Añadir jugador del ordenador</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Tipo de partida</translation>
    </message>
    <message>
        <source>Game T&amp;ime</source>
        <translation>&amp;Duración de la partida</translation>
    </message>
    <message>
        <source>Board language: %1</source>
        <translation>Idioma del tablero: %1</translation>
    </message>
</context>
<context>
    <name>Opponents</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Against %1 computers: %2 won, %3 lost, %4 tied</source>
        <translation>Contra ordenadores de nivel %1: %2 ganadas, %3 perdidas, %4 empatadas</translation>
    </message>
    <message>
        <source>No games against the computer yet</source>
        <translation>Aún no hay partidas contra el ordenador</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Ordenador %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Are you sure you want to remove words longer than %1 letters from the dictionary?</source>
        <translation>¿Seguro que quieres quitar del diccionario las palabras de más de %1 letras?</translation>
    </message>
    <message>
        <source>Changing the game type now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Cambiar ahora el tipo de partida cancelará la partida actual.  ¿Seguro que quieres hacerlo?</translation>
    </message>
    <message>
        <source>Changing the game mode now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Cambiar ahora el modo de juego cancelará la partida actual.  ¿Seguro que quieres hacerlo?</translation>
    </message>
    <message>
        <source>Changing the board language now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Cambiar ahora el idioma del tablero cancelará la partida actual.  ¿Seguro que quieres hacerlo?</translation>
    </message>
    <message>
        <source>Changing the minimum word size now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Cambiar ahora la longitud mínima de palabra detendrá la partida actual.  ¿Seguro que quieres hacerlo?</translation>
    </message>
    <message>
        <source>Changing the repeat letters setting now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Cambiar ahora el ajuste de letras repetidas detendrá la partida actual.  ¿Seguro que quieres hacerlo?</translation>
    </message>
    <message>
        <source>Entering a network game now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Entrar ahora en una partida en red cancelará la partida actual.  ¿Seguro que quieres hacerlo?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Lettro Options</source>
        <translation>Opciones de Lettro</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo de partida</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Duración de la partida</translation>
    </message>
    <message>
        <source>Number of Words in Game</source>
        <translation>Número de palabras en la partida</translation>
    </message>
    <message>
        <source>Computer opponents</source>
        <translation>Rivales del ordenador</translation>
    </message>
    <message>
        <source>Computer strength</source>
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>Min Word Size</source>
        <translation>Longitud mínima de palabra</translation>
    </message>
    <message>
        <source>Max Word Size</source>
        <translation>Longitud máxima de palabra</translation>
    </message>
    <message>
        <source>Allow Repeated Letters</source>
        <translation>Permitir letras repetidas</translation>
    </message>
    <message>
        <source>Board language</source>
        <translation>Idioma del tablero</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Show Unused Words Only</source>
        <translation>Mostrar solo palabras no encontradas</translation>
    </message>
    <message>
        <source>Left Handed Display</source>
        <translation>Disposición para zurdos</translation>
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
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>A new interface language applies at the next start.</source>
        <translation>Un nuevo idioma de la interfaz se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>Show where the word can go</source>
        <translation>Mostrar dónde puede ir la palabra</translation>
    </message>
</context>
<context>
    <name>PlayBoardDialog</name>
    <message>
        <source>Play a Board</source>
        <translation>Jugar un tablero</translation>
    </message>
    <message>
        <source>A board code, as the results&apos; Copy Board Code gives it, or the 16 letters of a board row by row (Q for the Qu cube):</source>
        <translation>Un código de tablero, como el que da Copiar código del tablero en los resultados, o las 16 letras de un tablero fila por fila (Q para el cubo Qu):</translation>
    </message>
    <message>
        <source>A code plays with its own settings; typed letters with yours.</source>
        <translation>Un código se juega con sus propios ajustes; las letras escritas, con los tuyos.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This board cannot be played now: not during a network game, and only in a board language Lettro has a dictionary for.</source>
        <translation>Este tablero no se puede jugar ahora: no durante una partida en red, y solo en un idioma del tablero para el que Lettro tenga diccionario.</translation>
    </message>
</context>
<context>
    <name>PlayerStatus</name>
    <message>
        <source>Waiting for players</source>
        <translation>Esperando jugadores</translation>
    </message>
    <message>
        <source>Sending game data</source>
        <translation>Enviando datos de la partida</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Listo para empezar</translation>
    </message>
    <message>
        <source>Playing game</source>
        <translation>Jugando</translation>
    </message>
    <message>
        <source>Finished game</source>
        <translation>Partida terminada</translation>
    </message>
    <message>
        <source>Waiting for results</source>
        <translation>Esperando resultados</translation>
    </message>
    <message>
        <source>Sending results</source>
        <translation>Enviando resultados</translation>
    </message>
    <message>
        <source>Reviewing results</source>
        <translation>Revisando resultados</translation>
    </message>
    <message>
        <source>Left game</source>
        <translation>Abandonó la partida</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>it was written by a newer Lettro</source>
        <translation>lo escribió una versión más reciente de Lettro</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It has been kept as %3, and your progress is recorded in a new file from now on.</source>
        <translation>No se pudo usar el archivo de progreso %1: %2.

Se ha conservado como %3, y tu progreso se registra en un archivo nuevo a partir de ahora.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the games of this session are not recorded.</source>
        <translation>No se pudo usar el archivo de progreso %1: %2.

Tampoco se pudo apartar, así que se deja como está y las partidas de esta sesión no se registran.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program, so this game is not recorded yet: Lettro tries again after each game.</source>
        <translation>Otro programa está usando el archivo de progreso %1, así que esta partida aún no se ha registrado: Lettro vuelve a intentarlo tras cada partida.</translation>
    </message>
    <message>
        <source>Your progress could not be recorded in %1: %2. Lettro tries again after each game.</source>
        <translation>No se pudo registrar tu progreso en %1: %2. Lettro vuelve a intentarlo tras cada partida.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>No games yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>mean %1%2</source>
        <translation>media %1%2</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontradas</translation>
    </message>
    <message>
        <source>on the boards</source>
        <translation>en los tableros</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>letras</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Merging words...</source>
        <translation>Combinando palabras...</translation>
    </message>
</context>
<context>
    <name>PromptWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Boards cannot be solved during a network game.</source>
        <translation>Los tableros no se pueden resolver durante una partida en red.</translation>
    </message>
    <message>
        <source>A board in another language can be solved once this game is over.</source>
        <translation>Un tablero en otro idioma se podrá resolver cuando termine esta partida.</translation>
    </message>
    <message>
        <source>The board&apos;s language cannot be put in play.</source>
        <translation>El idioma del tablero no se puede poner en juego.</translation>
    </message>
    <message>
        <source>The board of the day cannot be played now: its language is not available.</source>
        <translation>El tablero del día no se puede jugar ahora: su idioma no está disponible.</translation>
    </message>
    <message>
        <source>You have played today&apos;s board already: %1 points, %2 of its %3 words.

%4

A new board comes tomorrow. See all the words of today&apos;s?</source>
        <translation>Ya has jugado el tablero de hoy: %1 puntos, %2 de sus %3 palabras.

%4

Mañana llega un tablero nuevo. ¿Ver todas las palabras del de hoy?</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Tablero del día</translation>
    </message>
    <message>
        <source>No streak of boards of the day yet; play one a day to start one.</source>
        <translation>Aún no tienes racha de tableros del día; juega uno al día para empezar una.</translation>
    </message>
    <message>
        <source>Streak: %1 in a row with the board of the day (longest %2).</source>
        <translation>Racha: %1 seguidos con el tablero del día (la más larga, %2).</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenética</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>, %1+ letters</source>
        <translation>, %1+ letras</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, repetidas</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausar partida</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminar partida</translation>
    </message>
    <message>
        <source>&amp;Last Results</source>
        <translation>Últimos &amp;resultados</translation>
    </message>
    <message>
        <source>Play a &amp;Board...</source>
        <translation>&amp;Jugar un tablero...</translation>
    </message>
    <message>
        <source>Board of the &amp;Day</source>
        <translation>Tablero del &amp;día</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>Pro&amp;greso...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Network Game...</source>
        <translation>Partida en r&amp;ed...</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Mejores puntuaciones...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Diccionario</translation>
    </message>
    <message>
        <source>&amp;Editor...</source>
        <translation>&amp;Editor...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;About Lettro</source>
        <translation>&amp;Acerca de Lettro</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, encontrada</translation>
    </message>
    <message>
        <source>About Lettro</source>
        <translation>Acerca de Lettro</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>You must select a word in the &apos;undefined&apos; list first</source>
        <translation>Primero debes seleccionar una palabra en la lista «No válidas»</translation>
    </message>
    <message>
        <source>You must select a word in the &apos;dictionary&apos; list first</source>
        <translation>Primero debes seleccionar una palabra en la lista «Palabras de Lettro»</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Your Words</source>
        <translation>Tus palabras</translation>
    </message>
    <message>
        <source>Lettro&apos;s Words</source>
        <translation>Palabras de Lettro</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Remove from Dictionary</source>
        <translation>Quitar del diccionario</translation>
    </message>
    <message>
        <source>Copy Board Code</source>
        <translation>Copiar código del tablero</translation>
    </message>
    <message>
        <source>The board and its settings as a short code: Game &gt; Play a Board in any Lettro plays the same game.</source>
        <translation>El tablero y sus ajustes como un código corto: Juego &gt; Jugar un tablero en cualquier Lettro juega la misma partida.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Board of the day, %1.</source>
        <translation>Tablero del día, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Lettro Results</source>
        <translation>Resultados de Lettro</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>N.º de palabras</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>N.º no válidas</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontradas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Points for each word of this length</source>
        <translation>Puntos por cada palabra de esta longitud</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Take back the last change to the dictionary</source>
        <translation>Deshacer el último cambio en el diccionario</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found out of %2 (%3%)</source>
        <translation>%1 encontradas de %2 (%3%)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 encontradas</translation>
    </message>
    <message>
        <source>Score is %1 out of %2 (%3%)</source>
        <translation>Puntuación: %1 de %2 (%3%)</translation>
    </message>
    <message>
        <source>Score is %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>%1 not in dictionary</source>
        <translation>%1 fuera del diccionario</translation>
    </message>
    <message>
        <source>%1 = Player 1 score</source>
        <translation>%1 = puntuación del jugador 1</translation>
    </message>
    <message>
        <source>%1 = Player 2 score</source>
        <translation>%1 = puntuación del jugador 2</translation>
    </message>
    <message>
        <source>Tie Game!!!</source>
        <translation>¡¡¡Empate!!!</translation>
    </message>
    <message>
        <source>Player 1 Wins</source>
        <translation>Gana el jugador 1</translation>
    </message>
    <message>
        <source>Player 2 Wins</source>
        <translation>Gana el jugador 2</translation>
    </message>
    <message>
        <source>Your score = %1</source>
        <translation>Tu puntuación = %1</translation>
    </message>
    <message>
        <source>High score = %1</source>
        <translation>Puntuación más alta = %1</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>Gana %1</translation>
    </message>
    <message>
        <source>%1 players tie</source>
        <translation>Empate entre %1 jugadores</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Solo %1</translation>
    </message>
    <message>
        <source>%1 undefined</source>
        <translation>%1: no válidas</translation>
    </message>
    <message>
        <source>Defined</source>
        <translation>Válidas</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>No válidas</translation>
    </message>
    <message>
        <source>Player 1 Only</source>
        <translation>Solo jugador 1</translation>
    </message>
    <message>
        <source>Common Words</source>
        <translation>Palabras comunes</translation>
    </message>
    <message>
        <source>Player 1 Undefined</source>
        <translation>Jugador 1: no válidas</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Todas las palabras</translation>
    </message>
    <message>
        <source>Unused Words</source>
        <translation>Palabras no encontradas</translation>
    </message>
    <message>
        <source>Player 2 Only</source>
        <translation>Solo jugador 2</translation>
    </message>
    <message>
        <source>Player 2 Undefined</source>
        <translation>Jugador 2: no válidas</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>N.º de palabras</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>N.º no válidas</translation>
    </message>
</context>
<context>
    <name>SettingItem</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenética</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>No limits</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Más de %1</translation>
    </message>
    <message>
        <source>Less than %1</source>
        <translation>Menos de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n letra</numerusform>
            <numerusform>%n letras</numerusform>
        </translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>WARNING - dictionary is limited to words that have no more than %1 letters, resetting Max Word Size option</source>
        <translation>AVISO - el diccionario se limita a palabras de %1 letras como máximo, se restablece la opción Longitud máxima de palabra</translation>
    </message>
    <message>
        <source>Dictionary contains words longer than %1 letters, is it OK to remove the longer words from the dictionary?</source>
        <translation>El diccionario contiene palabras de más de %1 letras, ¿se pueden quitar del diccionario las palabras más largas?</translation>
    </message>
    <message>
        <source>Setting Max Word Size option to %1 letters</source>
        <translation>Se ajusta la opción Longitud máxima de palabra a %1 letras</translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message>
        <source>Lettro - All Words of a Board</source>
        <translation>Lettro - Todas las palabras de un tablero</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Todas las palabras</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Board language %1, %2 %3, words of %4 letters or more%5.</source>
        <translation>Idioma del tablero %1, %2 %3, palabras de %4 letras o más%5.</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenética</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>, cubes repeated</source>
        <translation>, cubos repetidos</translation>
    </message>
    <message>
        <source>Board code: %1</source>
        <translation>Código del tablero: %1</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <translation>%1, %2 en total.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
</context>
</TS>
