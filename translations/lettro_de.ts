<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code holds only letters, digits and dashes; a board, only its 16 letters.</source>
        <translation>Ein Spielfeldcode enthält nur Buchstaben, Ziffern und Bindestriche; ein Spielfeld nur seine 16 Buchstaben.</translation>
    </message>
    <message>
        <source>Type a board code, or the 16 letters of a board row by row.</source>
        <translation>Gib einen Spielfeldcode ein oder die 16 Buchstaben eines Spielfelds Zeile für Zeile.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is 16 with digits; a board code starts with its version, 1.</source>
        <translation>Ein Spielfeld hat 16 Buchstaben (Q für Qu), und dies sind 16 mit Ziffern; ein Spielfeldcode beginnt mit seiner Version, 1.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is %1; a board code starts with its version, 1.</source>
        <translation>Ein Spielfeld hat 16 Buchstaben (Q für Qu), und dies sind %1; ein Spielfeldcode beginnt mit seiner Version, 1.</translation>
    </message>
    <message>
        <source>This board code is of version %1, which this Lettro cannot read: it reads version 1 codes.</source>
        <translation>Dieser Spielfeldcode hat die Version %1, die dieses Lettro nicht lesen kann: Es liest Codes der Version 1.</translation>
    </message>
    <message>
        <source>A board code has %1 letters and digits, not counting dashes; this one has %2. Is a part missing?</source>
        <translation>Ein Spielfeldcode hat %1 Buchstaben und Ziffern, ohne Bindestriche; dieser hat %2. Fehlt ein Teil?</translation>
    </message>
    <message>
        <source>This board code has a typo: its letters do not match its last character. Check it letter by letter.</source>
        <translation>Dieser Spielfeldcode hat einen Tippfehler: Seine Buchstaben passen nicht zu seinem letzten Zeichen. Prüfe ihn Buchstabe für Buchstabe.</translation>
    </message>
    <message>
        <source>This board code is for a board language this Lettro does not have (%1).</source>
        <translation>Dieser Spielfeldcode ist für eine Spielfeldsprache, die dieses Lettro nicht hat (%1).</translation>
    </message>
    <message>
        <source>This is not a board code Lettro made.</source>
        <translation>Das ist kein Spielfeldcode von Lettro.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lettro, a word game with letter dice.</source>
        <translation>Lettro, ein Wortspiel mit Buchstabenwürfeln.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Shake the dice from seed &lt;N&gt; (0 to 4294967295): the same boards in the same order every time, for replays and tests.</source>
        <translation>Die Würfel ab Startwert &lt;N&gt; (0 bis 4294967295) schütteln: jedes Mal dieselben Spielfelder in derselben Reihenfolge, zum Nachspielen und Testen.</translation>
    </message>
    <message>
        <source>Play on the network from IPv4 address &lt;A&gt; (default: $LETTRO_ADDRESS, else every interface); copies on one machine each take their own 127.0.0.x.</source>
        <translation>Im Netzwerk von der IPv4-Adresse &lt;A&gt; aus spielen (Standard: $LETTRO_ADDRESS, sonst alle Schnittstellen); mehrere Kopien auf einem Rechner nehmen jeweils ihre eigene 127.0.0.x.</translation>
    </message>
    <message>
        <source>Play in board language &lt;XX&gt; this time: en, fr, de, es, it, pt or nl (default: the one chosen in the options).</source>
        <translation>Diesmal in der Spielfeldsprache &lt;XX&gt; spielen: en, fr, de, es, it, pt oder nl (Standard: die in den Optionen gewählte).</translation>
    </message>
    <message>
        <source>Start by playing the board of board code &lt;CODE&gt; with its settings, or 16 letters row by row (Q for Qu) with your own.</source>
        <translation>Zuerst das Spielfeld mit dem Spielfeldcode &lt;CODE&gt; mit dessen Einstellungen spielen, oder 16 Buchstaben Zeile für Zeile (Q für Qu) mit deinen eigenen.</translation>
    </message>
    <message>
        <source>Show the windows in language &lt;XX&gt;: en, fr, de, es, it, pt or nl (default: the one chosen in the options, else the desktop&apos;s).</source>
        <translation>Die Fenster in der Sprache &lt;XX&gt; zeigen: en, fr, de, es, it, pt oder nl (Standard: die in den Optionen gewählte, sonst die des Desktops).</translation>
    </message>
</context>
<context>
    <name>DefinitionPanel</name>
    <message>
        <source>“%1” on Wiktionary</source>
        <translation>„%1“ im Wiktionary</translation>
    </message>
</context>
<context>
    <name>Definitions</name>
    <message>
        <source>No definition here</source>
        <translation>Keine Definition vorhanden</translation>
    </message>
    <message>
        <source>Definitions in %1 come with the package %2.</source>
        <translation>Die Definitionen (%1) stammen aus dem Paket %2.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Definitions are read from Debian packages where they are installed; Lettro ships none of their data.
English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 licence (package wordnet-base).
French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into English, copyright the FreeDict contributors, under the GNU GPL version 2 or later (packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).</source>
        <translation>Die Definitionen werden aus Debian-Paketen gelesen, wo diese installiert sind; Lettro liefert keine ihrer Daten mit.
Englisch: WordNet 3.0, Copyright 2006 Princeton University, unter der WordNet-3.0-Lizenz (Paket wordnet-base).
Französisch, Spanisch, Italienisch, Portugiesisch und Niederländisch: die FreeDict-Wörterbücher ins Englische, Copyright die FreeDict-Mitwirkenden, unter der GNU GPL Version 2 oder später (Pakete dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
Deutsch: das FreeDict-Wörterbuch Deutsch-Englisch, Copyright Frank Richter und Einhard Leichtfuß, unter der GNU GPL Version 3 oder später (Paket dict-freedict-deu-eng).</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with the dictionary it came with, %3; the damaged file is kept as %1.unreadable when the dictionary is next saved.</source>
        <translation>Die Wörterbuchdatei %1 konnte nicht geladen werden: %2.

Lettro startet mit dem mitgelieferten Wörterbuch, %3; die beschädigte Datei wird beim nächsten Speichern des Wörterbuchs als %1.unreadable aufbewahrt.</translation>
    </message>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with an empty dictionary, so no board will hold any words until words are added or merged in the Dictionary Editor.</source>
        <translation>Die Wörterbuchdatei %1 konnte nicht geladen werden: %2.

Lettro startet mit einem leeren Wörterbuch, daher enthält kein Spielfeld Wörter, bis im Wörterbuch-Editor Wörter hinzugefügt oder zusammengeführt werden.</translation>
    </message>
    <message>
        <source>The dictionary was not saved: the unreadable file %1 could not be kept as %2 before being replaced.</source>
        <translation>Das Wörterbuch wurde nicht gespeichert: Die unlesbare Datei %1 konnte vor dem Ersetzen nicht als %2 aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to %1: %2.

The file was left as it was, so your changes to the dictionary are not in it.</source>
        <translation>Das Wörterbuch konnte nicht in %1 gespeichert werden: %2.

Die Datei blieb unverändert, deine Änderungen am Wörterbuch sind also nicht darin.</translation>
    </message>
    <message>
        <source>Dictionary has been updated, do you want to save it?</source>
        <translation>Das Wörterbuch wurde geändert, möchtest du es speichern?</translation>
    </message>
    <message>
        <source>Save dictionary?</source>
        <translation>Wörterbuch speichern?</translation>
    </message>
</context>
<context>
    <name>DictionaryEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Starting letters</source>
        <translation>&amp;Anfangsbuchstaben</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Neues Wort</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>The word file is larger than %1 MiB: only its first %1 MiB were merged.</source>
        <translation>Die Wortdatei ist größer als %1 MiB: Nur die ersten %1 MiB wurden zusammengeführt.</translation>
    </message>
    <message>
        <source>%1 words added, %2 lines skipped</source>
        <translation>%1 Wörter hinzugefügt, %2 Zeilen übersprungen</translation>
    </message>
    <message>
        <source>Words must be 3 to 16 letters long.</source>
        <translation>Wörter müssen 3 bis 16 Buchstaben lang sein.</translation>
    </message>
    <message>
        <source>Word has a non-alphabetic character, no added.</source>
        <translation>Das Wort enthält ein Zeichen, das kein Buchstabe ist, nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>You must select a word to remove.</source>
        <translation>Du musst ein Wort zum Entfernen auswählen.</translation>
    </message>
    <message>
        <source>Clear the dictionary?</source>
        <translation>Wörterbuch leeren?</translation>
    </message>
    <message>
        <source>The word file %1 could not be opened.</source>
        <translation>Die Wortdatei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The word file %1 could not be written.</source>
        <translation>Die Wortdatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Lettro Dictionary</source>
        <translation>Lettro-Wörterbuch</translation>
    </message>
    <message>
        <source>Merge a Word File</source>
        <translation>Wortdatei zusammenführen</translation>
    </message>
    <message>
        <source>All Files (*);;Text Files (*.txt)</source>
        <translation>Alle Dateien (*);;Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Save the Dictionary as a Word File</source>
        <translation>Wörterbuch als Wortdatei speichern</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Put back the word removed last</source>
        <translation>Das zuletzt entfernte Wort zurückholen</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Time Remaining</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Score so far: %1 (%2)</source>
        <translation>Bisherige Punkte: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 2 - Hit OK when ready to start game.</source>
        <translation>Spieler 2 - Klicke auf OK, wenn du bereit zum Start bist.</translation>
    </message>
    <message>
        <source>Player 1 - Hit OK when ready to start game.</source>
        <translation>Spieler 1 - Klicke auf OK, wenn du bereit zum Start bist.</translation>
    </message>
    <message>
        <source>Hit OK when ready to start game.</source>
        <translation>Klicke auf OK, wenn du bereit zum Start bist.</translation>
    </message>
    <message>
        <source>Hit OK when ready to resume.</source>
        <translation>Klicke auf OK, wenn du bereit zum Weiterspielen bist.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>+%1 s</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n Wort eingegeben</numerusform>
            <numerusform>%n Wörter eingegeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>Lettro hat %n Wort gefunden</numerusform>
            <numerusform>Lettro hat %n Wörter gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letztes</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>GameProgressWindow</name>
    <message>
        <source>Lettro Progress</source>
        <translation>Lettro-Fortschritt</translation>
    </message>
    <message>
        <source>Points, game by game</source>
        <translation>Punkte, Spiel für Spiel</translation>
    </message>
    <message>
        <source>Share of the board&apos;s words found</source>
        <translation>Anteil der gefundenen Spielfeldwörter</translation>
    </message>
    <message>
        <source>Words by length</source>
        <translation>Wörter nach Länge</translation>
    </message>
    <message>
        <source>Boards of the day played</source>
        <translation>Gespielte Spielfelder des Tages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Board language:</source>
        <translation>Spielfeldsprache:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Streak: %1 in a row; longest %2.</source>
        <translation>Serie: %1 in Folge; längste %2.</translation>
    </message>
    <message>
        <source>No finished games recorded with these filters yet. Every finished single-player game is recorded.</source>
        <translation>Mit diesen Filtern sind noch keine beendeten Spiele erfasst. Jedes beendete Einzelspiel wird erfasst.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; %4 points on average, %5 at best.</source>
        <translation>%1 vom %2 bis %3; %4 Punkte im Schnitt, %5 als Bestwert.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>

The board language in play, %1, has a word list of its own, used under the notice shown in full under Show Details (and in words-%2-LICENSE.txt).</source>
        <translation>

Die aktuelle Spielfeldsprache, %1, hat eine eigene Wortliste, genutzt unter dem Hinweis, der unter „Details einblenden“ vollständig steht (und in words-%2-LICENSE.txt).</translation>
    </message>
    <message>
        <source>

A word game: find the words hidden in a board of shaken letter dice before the clock runs out, alone, against a friend or over the network.

Lettro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) for details.

The word list is taken from SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and others, used under their permission notices, which are in words-LICENSE.txt.</source>
        <translation>

Ein Wortspiel: Finde die Wörter, die in einem Spielfeld aus geschüttelten Buchstabenwürfeln versteckt sind, bevor die Zeit abläuft – allein, gegen einen Freund oder im Netzwerk.

Lettro ist freie Software: Du kannst sie unter den Bedingungen der GNU General Public License, Version 3 oder (nach deiner Wahl) jeder späteren Version, weitergeben und/oder verändern. Sie kommt OHNE JEGLICHE GEWÄHRLEISTUNG; Einzelheiten stehen in der Lizenz (LICENSE).

Die Wortliste stammt aus SCOWL (Spell Checker Oriented Word Lists), Copyright 2000-2011 Kevin Atkinson, mit Teilen Copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) und anderen, genutzt unter deren Erlaubnishinweisen, die in words-LICENSE.txt stehen.</translation>
    </message>
    <message>
        <source>

Using Qt %1.</source>
        <translation>

Mit Qt %1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;&lt;p&gt;It is installed beside the Lettro program; reinstalling Lettro puts it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Seite nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfeseite &lt;tt&gt;%1&lt;/tt&gt; wurde nicht gefunden.&lt;/p&gt;&lt;p&gt;Sie wird neben dem Programm Lettro installiert; eine Neuinstallation von Lettro stellt sie wieder her.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Lettro Help</source>
        <translation>Lettro-Hilfe</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Your name for the high scores:</source>
        <translation>Dein Name für die Bestenliste:</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It has been kept as %3, and the high scores start again from an empty table.</source>
        <translation>Die Bestenlisten-Datei %1 konnte nicht verwendet werden: %2.

Sie wurde als %3 aufbewahrt, und die Bestenliste beginnt wieder mit einer leeren Tabelle.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the high scores of this session will not be saved.</source>
        <translation>Die Bestenlisten-Datei %1 konnte nicht verwendet werden: %2.

Sie konnte auch nicht beiseitegelegt werden, bleibt also unverändert, und die Bestenliste dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Neuer Bestwert</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Name des Spielers</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is too large to be a Lettro high-score file</source>
        <translation>sie ist zu groß für eine Lettro-Bestenlistendatei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hektisch</translation>
    </message>
    <message>
        <source>Standard %1</source>
        <translation>Standard %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not a Lettro high-score file</source>
        <translation>sie ist keine Lettro-Bestenlistendatei</translation>
    </message>
    <message>
        <source>it was written by another version of Lettro (format %1)</source>
        <translation>sie wurde von einer anderen Lettro-Version geschrieben (Format %1)</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>Zeile %1 ist beschädigt</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Spielfeld des Tages</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>Lettro High Scores</source>
        <translation>Lettro-Bestenliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Change &amp;Name...</source>
        <translation>&amp;Name ändern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>S&amp;piel:</translation>
    </message>
    <message>
        <source>Player: not chosen yet</source>
        <translation>Spieler: noch nicht gewählt</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Spieler: %1</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game kept at the last quit (%1) could not be used: %2.%3</source>
        <translation>Das beim letzten Beenden aufbewahrte Spiel (%1) konnte nicht verwendet werden: %2.%3</translation>
    </message>
    <message>
        <source>

It could not be moved aside.</source>
        <translation>

Es konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>

It has been kept as %1.</source>
        <translation>

Es wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The game kept at the last quit could not be resumed: its board language is not available.</source>
        <translation>Das beim letzten Beenden gespeicherte Spiel konnte nicht fortgesetzt werden: Seine Spielfeldsprache ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Shake the dice and start a new game</source>
        <translation>Würfel schütteln und ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Das Spiel anhalten</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>End the game now</source>
        <translation>Das Spiel jetzt beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Time, game type, players, word sizes and more</source>
        <translation>Zeit, Spieltyp, Spieler, Wortlängen und mehr</translation>
    </message>
    <message>
        <source>Dictionary Editor</source>
        <translation>Wörterbuch-Editor</translation>
    </message>
    <message>
        <source>Browse and edit the dictionary</source>
        <translation>Das Wörterbuch durchsehen und bearbeiten</translation>
    </message>
    <message>
        <source>Network Game</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <source>Play with others on the local network</source>
        <translation>Mit anderen im lokalen Netzwerk spielen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Exit Lettro</source>
        <translation>Lettro beenden</translation>
    </message>
    <message>
        <source>Leave Lettro</source>
        <translation>Lettro verlassen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>WARNING - undefined message received from </source>
        <translation>WARNUNG - unbekannte Nachricht erhalten von </translation>
    </message>
    <message>
        <source>Can&apos;t start the game without another player!</source>
        <translation>Ohne einen weiteren Spieler kann das Spiel nicht starten!</translation>
    </message>
    <message>
        <source>Sending game data to players...</source>
        <translation>Spieldaten werden an die Spieler gesendet...</translation>
    </message>
    <message>
        <source>Notifying game players...</source>
        <translation>Spieler werden benachrichtigt...</translation>
    </message>
    <message>
        <source>Notifying game host...</source>
        <translation>Gastgeber wird benachrichtigt...</translation>
    </message>
    <message>
        <source>Select the player to boot, then press &apos;Boot Player&apos; again</source>
        <translation>Wähle den Spieler, der gehen soll, und klicke dann erneut auf „Spieler entfernen“</translation>
    </message>
    <message>
        <source>Are you sure you want to boot %1?</source>
        <translation>Willst du %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Waiting for results from players...</source>
        <translation>Warte auf die Ergebnisse der Spieler...</translation>
    </message>
    <message>
        <source>Listening for players...</source>
        <translation>Warte auf Spieler...</translation>
    </message>
    <message>
        <source>Sending results to players...</source>
        <translation>Ergebnisse werden an die Spieler gesendet...</translation>
    </message>
    <message>
        <source>Failure with initialize of Lettro networking service.</source>
        <translation>Der Netzwerkdienst von Lettro konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Unknown game state</source>
        <translation>Unbekannter Spielzustand</translation>
    </message>
    <message>
        <source>WARNING - undefined acknowledgement received from </source>
        <translation>WARNUNG - unbekannte Bestätigung erhalten von </translation>
    </message>
    <message>
        <source>The host did not let you join its game.</source>
        <translation>Der Gastgeber hat dich nicht in sein Spiel gelassen.</translation>
    </message>
    <message>
        <source>Host is ending your game...</source>
        <translation>Der Gastgeber beendet dein Spiel...</translation>
    </message>
    <message>
        <source>Ready - synchronizing with host...</source>
        <translation>Bereit - Abgleich mit dem Gastgeber...</translation>
    </message>
    <message>
        <source>Found host, connecting to %1...</source>
        <translation>Gastgeber gefunden, verbinde mit %1...</translation>
    </message>
    <message>
        <source>Incompatible Lettro version</source>
        <translation>Inkompatible Lettro-Version</translation>
    </message>
    <message>
        <source>Host is now playing a new game.  Your game is over.</source>
        <translation>Der Gastgeber spielt jetzt ein neues Spiel.  Dein Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>Received WT message from client in incorrect state, ignored</source>
        <translation>WT-Nachricht von einem Client im falschen Zustand erhalten, ignoriert</translation>
    </message>
    <message>
        <source>Searching for game host...</source>
        <translation>Suche den Gastgeber...</translation>
    </message>
    <message>
        <source>Port 20000 is in use here, so no host can answer a search: use Connect... to name the host</source>
        <translation>Port 20000 ist hier belegt, daher kann kein Gastgeber auf eine Suche antworten: Nenne den Gastgeber über Verbinden...</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Spiel ausrichten</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Spiel beitreten</translation>
    </message>
    <message>
        <source>Enter PC network name or IP address</source>
        <translation>Netzwerkname oder IP-Adresse des PCs eingeben</translation>
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
        <translation>Verbinde mit %1...</translation>
    </message>
    <message>
        <source>Looking for %1...</source>
        <translation>Suche %1...</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Lettro Networking</source>
        <translation>Lettro im Netzwerk</translation>
    </message>
    <message>
        <source>&amp;Repeat Letters</source>
        <translation>&amp;Wiederholte Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Min Word Size</source>
        <translation>&amp;Minimale Wortlänge</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Anzahl Wörter</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Verbinden...</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Boot Player</source>
        <translation>Spieler &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Add Computer Player</source>
        <translation>Computerspieler &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>Spiel&amp;typ</translation>
    </message>
    <message>
        <source>Game T&amp;ime</source>
        <translation>Spiel&amp;zeit</translation>
    </message>
    <message>
        <source>Board language: %1</source>
        <translation>Spielfeldsprache: %1</translation>
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
        <translation>Gegen Computer (%1): %2 gewonnen, %3 verloren, %4 unentschieden</translation>
    </message>
    <message>
        <source>No games against the computer yet</source>
        <translation>Noch keine Spiele gegen den Computer</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Are you sure you want to remove words longer than %1 letters from the dictionary?</source>
        <translation>Willst du wirklich Wörter mit mehr als %1 Buchstaben aus dem Wörterbuch entfernen?</translation>
    </message>
    <message>
        <source>Changing the game type now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Wenn du jetzt den Spieltyp änderst, wird das laufende Spiel abgebrochen.  Willst du das wirklich?</translation>
    </message>
    <message>
        <source>Changing the game mode now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Wenn du jetzt den Spielmodus änderst, wird das laufende Spiel abgebrochen.  Willst du das wirklich?</translation>
    </message>
    <message>
        <source>Changing the board language now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Wenn du jetzt die Spielfeldsprache änderst, wird das laufende Spiel abgebrochen.  Willst du das wirklich?</translation>
    </message>
    <message>
        <source>Changing the minimum word size now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Wenn du jetzt die minimale Wortlänge änderst, wird das laufende Spiel beendet.  Willst du das wirklich?</translation>
    </message>
    <message>
        <source>Changing the repeat letters setting now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Wenn du jetzt die Einstellung für wiederholte Buchstaben änderst, wird das laufende Spiel beendet.  Willst du das wirklich?</translation>
    </message>
    <message>
        <source>Entering a network game now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Wenn du jetzt einem Netzwerkspiel beitrittst, wird das laufende Spiel abgebrochen.  Willst du das wirklich?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Lettro Options</source>
        <translation>Lettro-Optionen</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spieltyp</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Number of Words in Game</source>
        <translation>Anzahl Wörter im Spiel</translation>
    </message>
    <message>
        <source>Computer opponents</source>
        <translation>Computergegner</translation>
    </message>
    <message>
        <source>Computer strength</source>
        <translation>Computerstärke</translation>
    </message>
    <message>
        <source>Min Word Size</source>
        <translation>Minimale Wortlänge</translation>
    </message>
    <message>
        <source>Max Word Size</source>
        <translation>Maximale Wortlänge</translation>
    </message>
    <message>
        <source>Allow Repeated Letters</source>
        <translation>Wiederholte Buchstaben erlauben</translation>
    </message>
    <message>
        <source>Board language</source>
        <translation>Spielfeldsprache</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Show Unused Words Only</source>
        <translation>Nur nicht gefundene Wörter zeigen</translation>
    </message>
    <message>
        <source>Left Handed Display</source>
        <translation>Linkshänder-Ansicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>A new interface language applies at the next start.</source>
        <translation>Eine neue Sprache der Oberfläche gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Show where the word can go</source>
        <translation>Zeigen, wo das Wort stehen kann</translation>
    </message>
</context>
<context>
    <name>PlayBoardDialog</name>
    <message>
        <source>Play a Board</source>
        <translation>Spielfeld spielen</translation>
    </message>
    <message>
        <source>A board code, as the results&apos; Copy Board Code gives it, or the 16 letters of a board row by row (Q for the Qu cube):</source>
        <translation>Ein Spielfeldcode, wie ihn Spielfeldcode kopieren in den Ergebnissen liefert, oder die 16 Buchstaben eines Spielfelds Zeile für Zeile (Q für den Qu-Würfel):</translation>
    </message>
    <message>
        <source>A code plays with its own settings; typed letters with yours.</source>
        <translation>Ein Code spielt mit seinen eigenen Einstellungen; getippte Buchstaben mit deinen.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This board cannot be played now: not during a network game, and only in a board language Lettro has a dictionary for.</source>
        <translation>Dieses Spielfeld kann jetzt nicht gespielt werden: nicht während eines Netzwerkspiels und nur in einer Spielfeldsprache, für die Lettro ein Wörterbuch hat.</translation>
    </message>
</context>
<context>
    <name>PlayerStatus</name>
    <message>
        <source>Waiting for players</source>
        <translation>Warte auf Spieler</translation>
    </message>
    <message>
        <source>Sending game data</source>
        <translation>Sende Spieldaten</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Playing game</source>
        <translation>Spielt</translation>
    </message>
    <message>
        <source>Finished game</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <source>Waiting for results</source>
        <translation>Warte auf Ergebnisse</translation>
    </message>
    <message>
        <source>Sending results</source>
        <translation>Sende Ergebnisse</translation>
    </message>
    <message>
        <source>Reviewing results</source>
        <translation>Sieht Ergebnisse an</translation>
    </message>
    <message>
        <source>Left game</source>
        <translation>Hat das Spiel verlassen</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>it was written by a newer Lettro</source>
        <translation>sie wurde von einem neueren Lettro geschrieben</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It has been kept as %3, and your progress is recorded in a new file from now on.</source>
        <translation>Die Fortschrittsdatei %1 konnte nicht verwendet werden: %2.

Sie wurde als %3 aufbewahrt, und dein Fortschritt wird ab jetzt in einer neuen Datei erfasst.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the games of this session are not recorded.</source>
        <translation>Die Fortschrittsdatei %1 konnte nicht verwendet werden: %2.

Sie konnte auch nicht beiseitegelegt werden, bleibt also unverändert, und die Spiele dieser Sitzung werden nicht erfasst.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program, so this game is not recorded yet: Lettro tries again after each game.</source>
        <translation>Die Fortschrittsdatei %1 wird von einem anderen Programm benutzt, daher ist dieses Spiel noch nicht erfasst: Lettro versucht es nach jedem Spiel erneut.</translation>
    </message>
    <message>
        <source>Your progress could not be recorded in %1: %2. Lettro tries again after each game.</source>
        <translation>Dein Fortschritt konnte nicht in %1 erfasst werden: %2. Lettro versucht es nach jedem Spiel erneut.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>mean %1%2</source>
        <translation>Schnitt %1%2</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>on the boards</source>
        <translation>auf den Spielfeldern</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Merging words...</source>
        <translation>Wörter werden zusammengeführt...</translation>
    </message>
</context>
<context>
    <name>PromptWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Boards cannot be solved during a network game.</source>
        <translation>Spielfelder können während eines Netzwerkspiels nicht gelöst werden.</translation>
    </message>
    <message>
        <source>A board in another language can be solved once this game is over.</source>
        <translation>Ein Spielfeld in einer anderen Sprache kann gelöst werden, sobald dieses Spiel vorbei ist.</translation>
    </message>
    <message>
        <source>The board&apos;s language cannot be put in play.</source>
        <translation>Die Sprache des Spielfelds kann nicht ins Spiel gebracht werden.</translation>
    </message>
    <message>
        <source>The board of the day cannot be played now: its language is not available.</source>
        <translation>Das Spielfeld des Tages kann jetzt nicht gespielt werden: Seine Sprache ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>You have played today&apos;s board already: %1 points, %2 of its %3 words.

%4

A new board comes tomorrow. See all the words of today&apos;s?</source>
        <translation>Du hast das heutige Spielfeld schon gespielt: %1 Punkte, %2 seiner %3 Wörter.

%4

Morgen kommt ein neues Spielfeld. Alle Wörter des heutigen ansehen?</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Spielfeld des Tages</translation>
    </message>
    <message>
        <source>No streak of boards of the day yet; play one a day to start one.</source>
        <translation>Noch keine Serie mit dem Spielfeld des Tages; spiele eins pro Tag, um eine zu beginnen.</translation>
    </message>
    <message>
        <source>Streak: %1 in a row with the board of the day (longest %2).</source>
        <translation>Serie: %1 in Folge mit dem Spielfeld des Tages (längste %2).</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hektisch</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>, %1+ letters</source>
        <translation>, %1+ Buchstaben</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, Wiederholungen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>Spiel &amp;anhalten</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>Spiel be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Last Results</source>
        <translation>&amp;Letzte Ergebnisse</translation>
    </message>
    <message>
        <source>Play a &amp;Board...</source>
        <translation>Spielfeld s&amp;pielen...</translation>
    </message>
    <message>
        <source>Board of the &amp;Day</source>
        <translation>Spielfeld des &amp;Tages</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Network Game...</source>
        <translation>&amp;Netzwerkspiel...</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>Bestenl&amp;iste...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Wörterbuch</translation>
    </message>
    <message>
        <source>&amp;Editor...</source>
        <translation>&amp;Editor...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Lettro</source>
        <translation>Ü&amp;ber Lettro</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, gefunden</translation>
    </message>
    <message>
        <source>About Lettro</source>
        <translation>Über Lettro</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>You must select a word in the &apos;undefined&apos; list first</source>
        <translation>Du musst zuerst ein Wort in der Liste „Unbekannt“ auswählen</translation>
    </message>
    <message>
        <source>You must select a word in the &apos;dictionary&apos; list first</source>
        <translation>Du musst zuerst ein Wort in der Liste „Lettros Wörter“ auswählen</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Your Words</source>
        <translation>Deine Wörter</translation>
    </message>
    <message>
        <source>Lettro&apos;s Words</source>
        <translation>Lettros Wörter</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ins Wörterbuch aufnehmen</translation>
    </message>
    <message>
        <source>Remove from Dictionary</source>
        <translation>Aus dem Wörterbuch entfernen</translation>
    </message>
    <message>
        <source>Copy Board Code</source>
        <translation>Spielfeldcode kopieren</translation>
    </message>
    <message>
        <source>The board and its settings as a short code: Game &gt; Play a Board in any Lettro plays the same game.</source>
        <translation>Das Spielfeld und seine Einstellungen als kurzer Code: Spiel &gt; Spielfeld spielen in jedem Lettro spielt dasselbe Spiel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board of the day, %1.</source>
        <translation>Spielfeld des Tages, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Lettro Results</source>
        <translation>Lettro-Ergebnisse</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>Anz. Wörter</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>Anz. unbekannt</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Points for each word of this length</source>
        <translation>Punkte für jedes Wort dieser Länge</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change to the dictionary</source>
        <translation>Die letzte Änderung am Wörterbuch zurücknehmen</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found out of %2 (%3%)</source>
        <translation>%1 von %2 gefunden (%3%)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>Score is %1 out of %2 (%3%)</source>
        <translation>Punkte: %1 von %2 (%3%)</translation>
    </message>
    <message>
        <source>Score is %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>%1 not in dictionary</source>
        <translation>%1 nicht im Wörterbuch</translation>
    </message>
    <message>
        <source>%1 = Player 1 score</source>
        <translation>%1 = Punkte Spieler 1</translation>
    </message>
    <message>
        <source>%1 = Player 2 score</source>
        <translation>%1 = Punkte Spieler 2</translation>
    </message>
    <message>
        <source>Tie Game!!!</source>
        <translation>Unentschieden!!!</translation>
    </message>
    <message>
        <source>Player 1 Wins</source>
        <translation>Spieler 1 gewinnt</translation>
    </message>
    <message>
        <source>Player 2 Wins</source>
        <translation>Spieler 2 gewinnt</translation>
    </message>
    <message>
        <source>Your score = %1</source>
        <translation>Deine Punkte = %1</translation>
    </message>
    <message>
        <source>High score = %1</source>
        <translation>Höchstpunktzahl = %1</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>%1 players tie</source>
        <translation>%1 Spieler gleichauf</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Nur %1</translation>
    </message>
    <message>
        <source>%1 undefined</source>
        <translation>%1 unbekannt</translation>
    </message>
    <message>
        <source>Defined</source>
        <translation>Bekannt</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Player 1 Only</source>
        <translation>Nur Spieler 1</translation>
    </message>
    <message>
        <source>Common Words</source>
        <translation>Gemeinsame Wörter</translation>
    </message>
    <message>
        <source>Player 1 Undefined</source>
        <translation>Spieler 1 unbekannt</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Alle Wörter</translation>
    </message>
    <message>
        <source>Unused Words</source>
        <translation>Nicht gefundene Wörter</translation>
    </message>
    <message>
        <source>Player 2 Only</source>
        <translation>Nur Spieler 2</translation>
    </message>
    <message>
        <source>Player 2 Undefined</source>
        <translation>Spieler 2 unbekannt</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punktetabelle</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>Anz. Wörter</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>Anz. unbekannt</translation>
    </message>
</context>
<context>
    <name>SettingItem</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hektisch</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Einzelspieler</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>No limits</source>
        <translation>Keine Grenze</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Mehr als %1</translation>
    </message>
    <message>
        <source>Less than %1</source>
        <translation>Weniger als %1</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n Buchstabe</numerusform>
            <numerusform>%n Buchstaben</numerusform>
        </translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>WARNING - dictionary is limited to words that have no more than %1 letters, resetting Max Word Size option</source>
        <translation>WARNUNG - das Wörterbuch ist auf Wörter mit höchstens %1 Buchstaben beschränkt, die Option Maximale Wortlänge wird zurückgesetzt</translation>
    </message>
    <message>
        <source>Dictionary contains words longer than %1 letters, is it OK to remove the longer words from the dictionary?</source>
        <translation>Das Wörterbuch enthält Wörter mit mehr als %1 Buchstaben, dürfen die längeren Wörter aus dem Wörterbuch entfernt werden?</translation>
    </message>
    <message>
        <source>Setting Max Word Size option to %1 letters</source>
        <translation>Option Maximale Wortlänge wird auf %1 Buchstaben gesetzt</translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message>
        <source>Lettro - All Words of a Board</source>
        <translation>Lettro - Alle Wörter eines Spielfelds</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Alle Wörter</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board language %1, %2 %3, words of %4 letters or more%5.</source>
        <translation>Spielfeldsprache %1, %2 %3, Wörter ab %4 Buchstaben%5.</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hektisch</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>, cubes repeated</source>
        <translation>, Würfel wiederholt</translation>
    </message>
    <message>
        <source>Board code: %1</source>
        <translation>Spielfeldcode: %1</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <translation>%1, %2 insgesamt.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
</context>
</TS>
