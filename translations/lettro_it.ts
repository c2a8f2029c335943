<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code holds only letters, digits and dashes; a board, only its 16 letters.</source>
        <translation>Un codice griglia contiene solo lettere, cifre e trattini; una griglia, solo le sue 16 lettere.</translation>
    </message>
    <message>
        <source>Type a board code, or the 16 letters of a board row by row.</source>
        <translation>Scrivi un codice griglia, o le 16 lettere di una griglia riga per riga.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is 16 with digits; a board code starts with its version, 1.</source>
        <translation>Una griglia ha 16 lettere (Q per Qu), e questo ne ha 16 con delle cifre; un codice griglia inizia con la sua versione, 1.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is %1; a board code starts with its version, 1.</source>
        <translation>Una griglia ha 16 lettere (Q per Qu), e questo ne ha %1; un codice griglia inizia con la sua versione, 1.</translation>
    </message>
    <message>
        <source>This board code is of version %1, which this Lettro cannot read: it reads version 1 codes.</source>
        <translation>Questo codice griglia è della versione %1, che questo Lettro non sa leggere: legge i codici della versione 1.</translation>
    </message>
    <message>
        <source>A board code has %1 letters and digits, not counting dashes; this one has %2. Is a part missing?</source>
        <translation>Un codice griglia ha %1 lettere e cifre, senza contare i trattini; questo ne ha %2. Ne manca una parte?</translation>
    </message>
    <message>
        <source>This board code has a typo: its letters do not match its last character. Check it letter by letter.</source>
        <translation>Questo codice griglia contiene un errore di battitura: le sue lettere non corrispondono all&apos;ultimo carattere. Controllalo lettera per lettera.</translation>
    </message>
    <message>
        <source>This board code is for a board language this Lettro does not have (%1).</source>
        <translation>Questo codice griglia è per una lingua della griglia che questo Lettro non ha (%1).</translation>
    </message>
    <message>
        <source>This is not a board code Lettro made.</source>
        <translation>Questo non è un codice griglia creato da Lettro.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lettro, a word game with letter dice.</source>
        <translation>Lettro, un gioco di parole con dadi di lettere.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Shake the dice from seed &lt;N&gt; (0 to 4294967295): the same boards in the same order every time, for replays and tests.</source>
        <translation>Agita i dadi dal seme &lt;N&gt; (da 0 a 4294967295): le stesse griglie nello stesso ordine ogni volta, per replay e test.</translation>
    </message>
    <message>
        <source>Play on the network from IPv4 address &lt;A&gt; (default: $LETTRO_ADDRESS, else every interface); copies on one machine each take their own 127.0.0.x.</source>
        <translation>Gioca in rete dall&apos;indirizzo IPv4 &lt;A&gt; (predefinito: $LETTRO_ADDRESS, altrimenti ogni interfaccia); le copie su una stessa macchina usano ciascuna il proprio 127.0.0.x.</translation>
    </message>
    <message>
        <source>Play in board language &lt;XX&gt; this time: en, fr, de, es, it, pt or nl (default: the one chosen in the options).</source>
        <translation>Gioca questa volta nella lingua della griglia &lt;XX&gt;: en, fr, de, es, it, pt o nl (predefinita: quella scelta nelle opzioni).</translation>
    </message>
    <message>
        <source>Start by playing the board of board code &lt;CODE&gt; with its settings, or 16 letters row by row (Q for Qu) with your own.</source>
        <translation>Inizia giocando la griglia del codice griglia &lt;CODE&gt; con le sue impostazioni, o 16 lettere riga per riga (Q per Qu) con le tue.</translation>
    </message>
    <message>
        <source>Show the windows in language &lt;XX&gt;: en, fr, de, es, it, pt or nl (default: the one chosen in the options, else the desktop&apos;s).</source>
        <translation>Mostra le finestre nella lingua &lt;XX&gt;: en, fr, de, es, it, pt o nl (predefinita: quella scelta nelle opzioni, altrimenti quella del desktop).</translation>
    </message>
</context>
<context>
    <name>DefinitionPanel</name>
    <message>
        <source>“%1” on Wiktionary</source>
        <translation>“%1” su Wikizionario</translation>
    </message>
</context>
<context>
    <name>Definitions</name>
    <message>
        <source>No definition here</source>
        <translation>Nessuna definizione qui</translation>
    </message>
    <message>
        <source>Definitions in %1 come with the package %2.</source>
        <translation>Le definizioni (%1) si trovano nel pacchetto %2.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Definitions are read from Debian packages where they are installed; Lettro ships none of their data.
English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 licence (package wordnet-base).
French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into English, copyright the FreeDict contributors, under the GNU GPL version 2 or later (packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).</source>
        <translation>Le definizioni sono lette dai pacchetti Debian dove sono installati; Lettro non include nessuno dei loro dati.
Inglese: WordNet 3.0, copyright 2006 Princeton University, sotto la licenza di WordNet 3.0 (pacchetto wordnet-base).
Francese, spagnolo, italiano, portoghese e olandese: i dizionari FreeDict verso l&apos;inglese, copyright dei contributori di FreeDict, sotto la GNU GPL versione 2 o successiva (pacchetti dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
Tedesco: il dizionario FreeDict tedesco-inglese, copyright Frank Richter e Einhard Leichtfuß, sotto la GNU GPL versione 3 o successiva (pacchetto dict-freedict-deu-eng).</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with the dictionary it came with, %3; the damaged file is kept as %1.unreadable when the dictionary is next saved.</source>
        <translation>Impossibile caricare il file del dizionario %1: %2.

Lettro si avvierà con il dizionario fornito, %3; il file danneggiato verrà conservato come %1.unreadable al prossimo salvataggio del dizionario.</translation>
    </message>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with an empty dictionary, so no board will hold any words until words are added or merged in the Dictionary Editor.</source>
        <translation>Impossibile caricare il file del dizionario %1: %2.

Lettro si avvierà con un dizionario vuoto, quindi nessuna griglia conterrà parole finché non verranno aggiunte o unite parole nell&apos;editor del dizionario.</translation>
    </message>
    <message>
        <source>The dictionary was not saved: the unreadable file %1 could not be kept as %2 before being replaced.</source>
        <translation>Il dizionario non è stato salvato: non è stato possibile conservare il file illeggibile %1 come %2 prima di sostituirlo.</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to %1: %2.

The file was left as it was, so your changes to the dictionary are not in it.</source>
        <translation>Impossibile salvare il dizionario in %1: %2.

Il file è rimasto com&apos;era, quindi non contiene le tue modifiche al dizionario.</translation>
    </message>
    <message>
        <source>Dictionary has been updated, do you want to save it?</source>
        <translation>Il dizionario è stato modificato, vuoi salvarlo?</translation>
    </message>
    <message>
        <source>Save dictionary?</source>
        <translation>Salvare il dizionario?</translation>
    </message>
</context>
<context>
    <name>DictionaryEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Svuota</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Unisci</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salva &amp;con nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Starting letters</source>
        <translation>&amp;Lettere iniziali</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nuova parola</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Trova</translation>
    </message>
    <message>
        <source>The word file is larger than %1 MiB: only its first %1 MiB were merged.</source>
        <translation>Il file di parole supera %1 MiB: sono stati uniti solo i primi %1 MiB.</translation>
    </message>
    <message>
        <source>%1 words added, %2 lines skipped</source>
        <translation>%1 parole aggiunte, %2 righe saltate</translation>
    </message>
    <message>
        <source>Words must be 3 to 16 letters long.</source>
        <translation>Le parole devono essere lunghe da 3 a 16 lettere.</translation>
    </message>
    <message>
        <source>Word has a non-alphabetic character, no added.</source>
        <translation>La parola contiene un carattere non alfabetico, non aggiunta.</translation>
    </message>
    <message>
        <source>You must select a word to remove.</source>
        <translation>Devi selezionare una parola da rimuovere.</translation>
    </message>
    <message>
        <source>Clear the dictionary?</source>
        <translation>Svuotare il dizionario?</translation>
    </message>
    <message>
        <source>The word file %1 could not be opened.</source>
        <translation>Impossibile aprire il file di parole %1.</translation>
    </message>
    <message>
        <source>The word file %1 could not be written.</source>
        <translation>Impossibile scrivere il file di parole %1.</translation>
    </message>
    <message>
        <source>Lettro Dictionary</source>
        <translation>Dizionario di Lettro</translation>
    </message>
    <message>
        <source>Merge a Word File</source>
        <translation>Unisci un file di parole</translation>
    </message>
    <message>
        <source>All Files (*);;Text Files (*.txt)</source>
        <translation>Tutti i file (*);;File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Save the Dictionary as a Word File</source>
        <translation>Salva il dizionario come file di parole</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 parole</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Put back the word removed last</source>
        <translation>Rimetti la parola rimossa per ultima</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>Score so far: %1 (%2)</source>
        <translation>Punteggio finora: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 2 - Hit OK when ready to start game.</source>
        <translation>Giocatore 2 - Premi OK quando sei pronto a iniziare la partita.</translation>
    </message>
    <message>
        <source>Player 1 - Hit OK when ready to start game.</source>
        <translation>Giocatore 1 - Premi OK quando sei pronto a iniziare la partita.</translation>
    </message>
    <message>
        <source>Hit OK when ready to start game.</source>
        <translation>Premi OK quando sei pronto a iniziare la partita.</translation>
    </message>
    <message>
        <source>Hit OK when ready to resume.</source>
        <translation>Premi OK quando sei pronto a riprendere.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Partita in pausa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>+%1 s</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n parola inserita</numerusform>
            <numerusform>%n parole inserite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>Lettro ha trovato %n parola</numerusform>
            <numerusform>Lettro ha trovato %n parole</numerusform>
        </translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
</context>
<context>
    <name>GameProgressWindow</name>
    <message>
        <source>Lettro Progress</source>
        <translation>Progressi di Lettro</translation>
    </message>
    <message>
        <source>Points, game by game</source>
        <translation>Punti, partita per partita</translation>
    </message>
    <message>
        <source>Share of the board&apos;s words found</source>
        <translation>Quota delle parole della griglia trovate</translation>
    </message>
    <message>
        <source>Words by length</source>
        <translation>Parole per lunghezza</translation>
    </message>
    <message>
        <source>Boards of the day played</source>
        <translation>Griglie del giorno giocate</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Board language:</source>
        <translation>Lingua della griglia:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Impostazioni:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Streak: %1 in a row; longest %2.</source>
        <translation>Serie: %1 di fila; la più lunga %2.</translation>
    </message>
    <message>
        <source>No finished games recorded with these filters yet. Every finished single-player game is recorded.</source>
        <translation>Ancora nessuna partita finita registrata con questi filtri. Ogni partita a un giocatore portata a termine viene registrata.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; %4 points on average, %5 at best.</source>
        <translation>%1 dal %2 al %3; in media %4 punti, al massimo %5.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>

The board language in play, %1, has a word list of its own, used under the notice shown in full under Show Details (and in words-%2-LICENSE.txt).</source>
        <translation>

La lingua della griglia in gioco, %1, ha un proprio elenco di parole, usato secondo l&apos;avviso mostrato per intero in Mostra dettagli (e in words-%2-LICENSE.txt).</translation>
    </message>
    <message>
        <source>

A word game: find the words hidden in a board of shaken letter dice before the clock runs out, alone, against a friend or over the network.

Lettro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) for details.

The word list is taken from SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and others, used under their permission notices, which are in words-LICENSE.txt.</source>
        <translation>

Un gioco di parole: trova le parole nascoste in una griglia di dadi di lettere agitati prima che scada il tempo, da solo, contro un amico o in rete.

Lettro è software libero: puoi ridistribuirlo e/o modificarlo secondo i termini della GNU General Public License, versione 3 o (a tua scelta) qualsiasi versione successiva. È fornito ASSOLUTAMENTE SENZA ALCUNA GARANZIA; per i dettagli vedi la licenza (LICENSE).

L&apos;elenco di parole è tratto da SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, con parti copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) e altri, usato secondo i loro avvisi di autorizzazione, che si trovano in words-LICENSE.txt.</translation>
    </message>
    <message>
        <source>

Using Qt %1.</source>
        <translation>

Usa Qt %1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;&lt;p&gt;It is installed beside the Lettro program; reinstalling Lettro puts it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Pagina non trovata&lt;/h2&gt;&lt;p&gt;Impossibile trovare la pagina di aiuto &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;È installata accanto al programma Lettro; reinstallare Lettro la ripristina.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Lettro Help</source>
        <translation>Guida di Lettro</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Impossibile salvare i punteggi migliori in %1: %2.</translation>
    </message>
    <message>
        <source>Your name for the high scores:</source>
        <translation>Il tuo nome per i punteggi migliori:</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It has been kept as %3, and the high scores start again from an empty table.</source>
        <translation>Impossibile usare il file dei punteggi migliori %1: %2.

È stato conservato come %3, e i punteggi migliori ripartono da una tabella vuota.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the high scores of this session will not be saved.</source>
        <translation>Impossibile usare il file dei punteggi migliori %1: %2.

Non è stato possibile nemmeno spostarlo, quindi resta com&apos;è e i punteggi migliori di questa sessione non verranno salvati.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nuovo record</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nome del giocatore</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is too large to be a Lettro high-score file</source>
        <translation>è troppo grande per essere un file dei punteggi migliori di Lettro</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non può essere letto (%1)</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenetica</translation>
    </message>
    <message>
        <source>Standard %1</source>
        <translation>Standard %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>it is not a Lettro high-score file</source>
        <translation>non è un file dei punteggi migliori di Lettro</translation>
    </message>
    <message>
        <source>it was written by another version of Lettro (format %1)</source>
        <translation>è stato scritto da un&apos;altra versione di Lettro (formato %1)</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la riga %1 è danneggiata</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Griglia del giorno</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>Lettro High Scores</source>
        <translation>Punteggi migliori di Lettro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trovate</translation>
    </message>
    <message>
        <source>Change &amp;Name...</source>
        <translation>Cambia &amp;nome...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partita:</translation>
    </message>
    <message>
        <source>Player: not chosen yet</source>
        <translation>Giocatore: non ancora scelto</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Giocatore: %1</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game kept at the last quit (%1) could not be used: %2.%3</source>
        <translation>Impossibile usare la partita conservata all&apos;ultima uscita (%1): %2.%3</translation>
    </message>
    <message>
        <source>

It could not be moved aside.</source>
        <translation>

Non è stato possibile spostarla da parte.</translation>
    </message>
    <message>
        <source>

It has been kept as %1.</source>
        <translation>

È stata conservata come %1.</translation>
    </message>
    <message>
        <source>The game kept at the last quit could not be resumed: its board language is not available.</source>
        <translation>La partita conservata all&apos;ultima uscita non può essere ripresa: la sua lingua della griglia non è disponibile.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
    <message>
        <source>Shake the dice and start a new game</source>
        <translation>Agita i dadi e inizia una nuova partita</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Metti in pausa la partita</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Termina partita</translation>
    </message>
    <message>
        <source>End the game now</source>
        <translation>Termina subito la partita</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Time, game type, players, word sizes and more</source>
        <translation>Tempo, tipo di partita, giocatori, lunghezza delle parole e altro</translation>
    </message>
    <message>
        <source>Dictionary Editor</source>
        <translation>Editor del dizionario</translation>
    </message>
    <message>
        <source>Browse and edit the dictionary</source>
        <translation>Sfoglia e modifica il dizionario</translation>
    </message>
    <message>
        <source>Network Game</source>
        <translation>Partita in rete</translation>
    </message>
    <message>
        <source>Play with others on the local network</source>
        <translation>Gioca con altri sulla rete locale</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Exit Lettro</source>
        <translation>Esci da Lettro</translation>
    </message>
    <message>
        <source>Leave Lettro</source>
        <translation>Chiudi Lettro</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>WARNING - undefined message received from </source>
        <translation>ATTENZIONE - ricevuto messaggio non definito da </translation>
    </message>
    <message>
        <source>Can&apos;t start the game without another player!</source>
        <translation>Impossibile iniziare la partita senza un altro giocatore!</translation>
    </message>
    <message>
        <source>Sending game data to players...</source>
        <translation>Invio dei dati di gioco ai giocatori...</translation>
    </message>
    <message>
        <source>Notifying game players...</source>
        <translation>Notifica ai giocatori...</translation>
    </message>
    <message>
        <source>Notifying game host...</source>
        <translation>Notifica all&apos;host...</translation>
    </message>
    <message>
        <source>Select the player to boot, then press &apos;Boot Player&apos; again</source>
        <translation>Seleziona il giocatore da espellere, poi premi di nuovo &apos;Espelli giocatore&apos;</translation>
    </message>
    <message>
        <source>Are you sure you want to boot %1?</source>
        <translation>Vuoi davvero espellere %1?</translation>
    </message>
    <message>
        <source>Waiting for results from players...</source>
        <translation>In attesa dei risultati dei giocatori...</translation>
    </message>
    <message>
        <source>Listening for players...</source>
        <translation>In ascolto di giocatori...</translation>
    </message>
    <message>
        <source>Sending results to players...</source>
        <translation>Invio dei risultati ai giocatori...</translation>
    </message>
    <message>
        <source>Failure with initialize of Lettro networking service.</source>
        <translation>Impossibile inizializzare il servizio di rete di Lettro.</translation>
    </message>
    <message>
        <source>Unknown game state</source>
        <translation>Stato di gioco sconosciuto</translation>
    </message>
    <message>
        <source>WARNING - undefined acknowledgement received from </source>
        <translation>ATTENZIONE - ricevuta conferma non definita da </translation>
    </message>
    <message>
        <source>The host did not let you join its game.</source>
        <translation>L&apos;host non ti ha lasciato entrare nella sua partita.</translation>
    </message>
    <message>
        <source>Host is ending your game...</source>
        <translation>L&apos;host sta terminando la tua partita...</translation>
    </message>
    <message>
        <source>Ready - synchronizing with host...</source>
        <translation>Pronto - sincronizzazione con l&apos;host...</translation>
    </message>
    <message>
        <source>Found host, connecting to %1...</source>
        <translation>Host trovato, connessione a %1...</translation>
    </message>
    <message>
        <source>Incompatible Lettro version</source>
        <translation>Versione di Lettro incompatibile</translation>
    </message>
    <message>
        <source>Host is now playing a new game.  Your game is over.</source>
        <translation>L&apos;host sta giocando una nuova partita.  La tua partita è finita.</translation>
    </message>
    <message>
        <source>Received WT message from client in incorrect state, ignored</source>
        <translation>Ricevuto messaggio WT dal client in uno stato errato, ignorato</translation>
    </message>
    <message>
        <source>Searching for game host...</source>
        <translation>Ricerca dell&apos;host di gioco...</translation>
    </message>
    <message>
        <source>Port 20000 is in use here, so no host can answer a search: use Connect... to name the host</source>
        <translation>La porta 20000 è in uso qui, quindi nessun host può rispondere a una ricerca: usa Connetti... per indicare l&apos;host</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Ospita partita</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Unisciti a partita</translation>
    </message>
    <message>
        <source>Enter PC network name or IP address</source>
        <translation>Inserisci il nome di rete del PC o l&apos;indirizzo IP</translation>
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
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>Looking for %1...</source>
        <translation>Ricerca di %1...</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Lettro Networking</source>
        <translation>Lettro in rete</translation>
    </message>
    <message>
        <source>&amp;Repeat Letters</source>
        <translation>Lettere &amp;ripetute</translation>
    </message>
    <message>
        <source>&amp;Min Word Size</source>
        <translation>Lunghezza &amp;minima</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Connetti...</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Inizia partita</translation>
    </message>
    <message>
        <source>&amp;Boot Player</source>
        <translation>&amp;Espelli giocatore</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>&amp;Add Computer Player</source>
        <translation>&amp;Aggiungi giocatore computer</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Tipo di partita</translation>
    </message>
    <message>
        <source>Game T&amp;ime</source>
        <translation>&amp;Durata della partita</translation>
    </message>
    <message>
        <source>Board language: %1</source>
        <translation>Lingua della griglia: %1</translation>
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
        <translation>Contro computer (%1): %2 vinte, %3 perse, %4 pari</translation>
    </message>
    <message>
        <source>No games against the computer yet</source>
        <translation>Ancora nessuna partita contro il computer</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
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
        <translation>Vuoi davvero togliere dal dizionario le parole più lunghe di %1 lettere?</translation>
    </message>
    <message>
        <source>Changing the game type now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Cambiare ora il tipo di partita interromperà la partita in corso.  Vuoi davvero farlo?</translation>
    </message>
    <message>
        <source>Changing the game mode now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Cambiare ora la modalità di gioco interromperà la partita in corso.  Vuoi davvero farlo?</translation>
    </message>
    <message>
        <source>Changing the board language now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Cambiare ora la lingua della griglia interromperà la partita in corso.  Vuoi davvero farlo?</translation>
    </message>
    <message>
        <source>Changing the minimum word size now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Cambiare ora la lunghezza minima delle parole fermerà la partita in corso.  Vuoi davvero farlo?</translation>
    </message>
    <message>
        <source>Changing the repeat letters setting now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Cambiare ora l&apos;impostazione delle lettere ripetute fermerà la partita in corso.  Vuoi davvero farlo?</translation>
    </message>
    <message>
        <source>Entering a network game now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Entrare ora in una partita in rete interromperà la partita in corso.  Vuoi davvero farlo?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Lettro Options</source>
        <translation>Opzioni di Lettro</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo di partita</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Durata della partita</translation>
    </message>
    <message>
        <source>Number of Words in Game</source>
        <translation>Numero di parole in gioco</translation>
    </message>
    <message>
        <source>Computer opponents</source>
        <translation>Avversari computer</translation>
    </message>
    <message>
        <source>Computer strength</source>
        <translation>Livello del computer</translation>
    </message>
    <message>
        <source>Min Word Size</source>
        <translation>Lunghezza minima delle parole</translation>
    </message>
    <message>
        <source>Max Word Size</source>
        <translation>Lunghezza massima delle parole</translation>
    </message>
    <message>
        <source>Allow Repeated Letters</source>
        <translation>Consenti lettere ripetute</translation>
    </message>
    <message>
        <source>Board language</source>
        <translation>Lingua della griglia</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Show Unused Words Only</source>
        <translation>Mostra solo le parole non trovate</translation>
    </message>
    <message>
        <source>Left Handed Display</source>
        <translation>Disposizione per mancini</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Lingua dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>A new interface language applies at the next start.</source>
        <translation>Una nuova lingua dell&apos;interfaccia si applica al prossimo avvio.</translation>
    </message>
    <message>
        <source>Show where the word can go</source>
        <translation>Mostra dove può andare la parola</translation>
    </message>
</context>
<context>
    <name>PlayBoardDialog</name>
    <message>
        <source>Play a Board</source>
        <translation>Gioca una griglia</translation>
    </message>
    <message>
        <source>A board code, as the results&apos; Copy Board Code gives it, or the 16 letters of a board row by row (Q for the Qu cube):</source>
        <translation>Un codice griglia, come lo dà Copia codice griglia nei risultati, o le 16 lettere di una griglia riga per riga (Q per il cubo Qu):</translation>
    </message>
    <message>
        <source>A code plays with its own settings; typed letters with yours.</source>
        <translation>Un codice si gioca con le sue impostazioni; le lettere digitate con le tue.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This board cannot be played now: not during a network game, and only in a board language Lettro has a dictionary for.</source>
        <translation>Questa griglia non si può giocare ora: non durante una partita in rete, e solo in una lingua della griglia per cui Lettro ha un dizionario.</translation>
    </message>
</context>
<context>
    <name>PlayerStatus</name>
    <message>
        <source>Waiting for players</source>
        <translation>In attesa dei giocatori</translation>
    </message>
    <message>
        <source>Sending game data</source>
        <translation>Invio dei dati della partita</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Pronto a iniziare</translation>
    </message>
    <message>
        <source>Playing game</source>
        <translation>In gioco</translation>
    </message>
    <message>
        <source>Finished game</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Waiting for results</source>
        <translation>In attesa dei risultati</translation>
    </message>
    <message>
        <source>Sending results</source>
        <translation>Invio dei risultati</translation>
    </message>
    <message>
        <source>Reviewing results</source>
        <translation>Esame dei risultati</translation>
    </message>
    <message>
        <source>Left game</source>
        <translation>Ha lasciato la partita</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>it was written by a newer Lettro</source>
        <translation>è stato scritto da un Lettro più recente</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It has been kept as %3, and your progress is recorded in a new file from now on.</source>
        <translation>Impossibile usare il file dei progressi %1: %2.

È stato conservato come %3, e da ora i tuoi progressi vengono registrati in un nuovo file.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the games of this session are not recorded.</source>
        <translation>Impossibile usare il file dei progressi %1: %2.

Non è stato possibile nemmeno spostarlo, quindi resta com&apos;è e le partite di questa sessione non vengono registrate.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program, so this game is not recorded yet: Lettro tries again after each game.</source>
        <translation>Il file dei progressi %1 è usato da un altro programma, quindi questa partita non è ancora registrata: Lettro riprova dopo ogni partita.</translation>
    </message>
    <message>
        <source>Your progress could not be recorded in %1: %2. Lettro tries again after each game.</source>
        <translation>Impossibile registrare i tuoi progressi in %1: %2. Lettro riprova dopo ogni partita.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partita</numerusform>
            <numerusform>%n partite</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>No games yet</source>
        <translation>Ancora nessuna partita</translation>
    </message>
    <message>
        <source>mean %1%2</source>
        <translation>media %1%2</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trovate</translation>
    </message>
    <message>
        <source>on the boards</source>
        <translation>nelle griglie</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>lettere</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Merging words...</source>
        <translation>Unione delle parole...</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Boards cannot be solved during a network game.</source>
        <translation>Le griglie non si possono risolvere durante una partita in rete.</translation>
    </message>
    <message>
        <source>A board in another language can be solved once this game is over.</source>
        <translation>Una griglia in un&apos;altra lingua si può risolvere quando questa partita è finita.</translation>
    </message>
    <message>
        <source>The board&apos;s language cannot be put in play.</source>
        <translation>La lingua della griglia non può essere messa in gioco.</translation>
    </message>
    <message>
        <source>The board of the day cannot be played now: its language is not available.</source>
        <translation>La griglia del giorno non si può giocare ora: la sua lingua non è disponibile.</translation>
    </message>
    <message>
        <source>You have played today&apos;s board already: %1 points, %2 of its %3 words.

%4

A new board comes tomorrow. See all the words of today&apos;s?</source>
        <translation>Hai già giocato la griglia di oggi: %1 punti, %2 delle sue %3 parole.

%4

Domani arriva una nuova griglia. Vuoi vedere tutte le parole di quella di oggi?</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Griglia del giorno</translation>
    </message>
    <message>
        <source>No streak of boards of the day yet; play one a day to start one.</source>
        <translation>Ancora nessuna serie di griglie del giorno; giocane una al giorno per iniziarne una.</translation>
    </message>
    <message>
        <source>Streak: %1 in a row with the board of the day (longest %2).</source>
        <translation>Serie: %1 di fila con la griglia del giorno (la più lunga %2).</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenetica</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>, %1+ letters</source>
        <translation>, %1+ lettere</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, ripetizioni</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Inizia partita</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Termina partita</translation>
    </message>
    <message>
        <source>&amp;Last Results</source>
        <translation>&amp;Ultimi risultati</translation>
    </message>
    <message>
        <source>Play a &amp;Board...</source>
        <translation>Gioca una &amp;griglia...</translation>
    </message>
    <message>
        <source>Board of the &amp;Day</source>
        <translation>Griglia &amp;del giorno</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>Progre&amp;ssi...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;Network Game...</source>
        <translation>Partita in &amp;rete...</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>Punteggi &amp;migliori...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dizionario</translation>
    </message>
    <message>
        <source>&amp;Editor...</source>
        <translation>&amp;Editor...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About Lettro</source>
        <translation>&amp;Informazioni su Lettro</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, trovata</translation>
    </message>
    <message>
        <source>About Lettro</source>
        <translation>Informazioni su Lettro</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>You must select a word in the &apos;undefined&apos; list first</source>
        <translation>Devi prima selezionare una parola nell&apos;elenco &apos;non valide&apos;</translation>
    </message>
    <message>
        <source>You must select a word in the &apos;dictionary&apos; list first</source>
        <translation>Devi prima selezionare una parola nell&apos;elenco &apos;dizionario&apos;</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Your Words</source>
        <translation>Le tue parole</translation>
    </message>
    <message>
        <source>Lettro&apos;s Words</source>
        <translation>Le parole di Lettro</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>Remove from Dictionary</source>
        <translation>Rimuovi dal dizionario</translation>
    </message>
    <message>
        <source>Copy Board Code</source>
        <translation>Copia codice griglia</translation>
    </message>
    <message>
        <source>The board and its settings as a short code: Game &gt; Play a Board in any Lettro plays the same game.</source>
        <translation>La griglia e le sue impostazioni in un breve codice: Gioco &gt; Gioca una griglia in qualsiasi Lettro fa giocare la stessa partita.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board of the day, %1.</source>
        <translation>Griglia del giorno, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Lettro Results</source>
        <translation>Risultati di Lettro</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>N. parole</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>N. non valide</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trovate</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Points for each word of this length</source>
        <translation>Punti per ogni parola di questa lunghezza</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Take back the last change to the dictionary</source>
        <translation>Annulla l&apos;ultima modifica al dizionario</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found out of %2 (%3%)</source>
        <translation>%1 trovate su %2 (%3%)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>Trovate: %1</translation>
    </message>
    <message>
        <source>Score is %1 out of %2 (%3%)</source>
        <translation>Punteggio: %1 su %2 (%3%)</translation>
    </message>
    <message>
        <source>Score is %1</source>
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>%1 not in dictionary</source>
        <translation>Non nel dizionario: %1</translation>
    </message>
    <message>
        <source>%1 = Player 1 score</source>
        <translation>%1 = punteggio giocatore 1</translation>
    </message>
    <message>
        <source>%1 = Player 2 score</source>
        <translation>%1 = punteggio giocatore 2</translation>
    </message>
    <message>
        <source>Tie Game!!!</source>
        <translation>Pareggio!!!</translation>
    </message>
    <message>
        <source>Player 1 Wins</source>
        <translation>Vince il giocatore 1</translation>
    </message>
    <message>
        <source>Player 2 Wins</source>
        <translation>Vince il giocatore 2</translation>
    </message>
    <message>
        <source>Your score = %1</source>
        <translation>Il tuo punteggio = %1</translation>
    </message>
    <message>
        <source>High score = %1</source>
        <translation>Punteggio più alto = %1</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>Vince %1</translation>
    </message>
    <message>
        <source>%1 players tie</source>
        <translation>Pareggio tra %1 giocatori</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Solo %1</translation>
    </message>
    <message>
        <source>%1 undefined</source>
        <translation>%1: non valide</translation>
    </message>
    <message>
        <source>Defined</source>
        <translation>Valide</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non valide</translation>
    </message>
    <message>
        <source>Player 1 Only</source>
        <translation>Solo giocatore 1</translation>
    </message>
    <message>
        <source>Common Words</source>
        <translation>Parole comuni</translation>
    </message>
    <message>
        <source>Player 1 Undefined</source>
        <translation>Giocatore 1: non valide</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Tutte le parole</translation>
    </message>
    <message>
        <source>Unused Words</source>
        <translation>Parole non trovate</translation>
    </message>
    <message>
        <source>Player 2 Only</source>
        <translation>Solo giocatore 2</translation>
    </message>
    <message>
        <source>Player 2 Undefined</source>
        <translation>Giocatore 2: non valide</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>N. parole</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>N. non valide</translation>
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
        <translation>Frenetica</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Giocatore singolo</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>No limits</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Qualsiasi</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Più di %1</translation>
    </message>
    <message>
        <source>Less than %1</source>
        <translation>Meno di %1</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n lettera</numerusform>
            <numerusform>%n lettere</numerusform>
        </translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La lingua del desktop</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>WARNING - dictionary is limited to words that have no more than %1 letters, resetting Max Word Size option</source>
        <translation>ATTENZIONE - il dizionario è limitato alle parole di non più di %1 lettere, l&apos;opzione Lunghezza massima delle parole viene reimpostata</translation>
    </message>
    <message>
        <source>Dictionary contains words longer than %1 letters, is it OK to remove the longer words from the dictionary?</source>
        <translation>Il dizionario contiene parole più lunghe di %1 lettere, vuoi togliere dal dizionario le parole più lunghe?</translation>
    </message>
    <message>
        <source>Setting Max Word Size option to %1 letters</source>
        <translation>L&apos;opzione Lunghezza massima delle parole viene impostata a %1 lettere</translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message>
        <source>Lettro - All Words of a Board</source>
        <translation>Lettro - Tutte le parole di una griglia</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Tutte le parole</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board language %1, %2 %3, words of %4 letters or more%5.</source>
        <translation>Lingua della griglia %1, %2 %3, parole di %4 lettere o più%5.</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenetica</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>, cubes repeated</source>
        <translation>, cubi ripetuti</translation>
    </message>
    <message>
        <source>Board code: %1</source>
        <translation>Codice griglia: %1</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <translation>%1, %2 in tutto.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
</context>
</TS>
