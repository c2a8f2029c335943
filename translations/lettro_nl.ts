<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code holds only letters, digits and dashes; a board, only its 16 letters.</source>
        <translation>Een bordcode bevat alleen letters, cijfers en streepjes; een bord, alleen zijn 16 letters.</translation>
    </message>
    <message>
        <source>Type a board code, or the 16 letters of a board row by row.</source>
        <translation>Typ een bordcode, of de 16 letters van een bord rij voor rij.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is 16 with digits; a board code starts with its version, 1.</source>
        <translation>Een bord is 16 letters (Q voor Qu), en dit is 16 met cijfers; een bordcode begint met zijn versie, 1.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is %1; a board code starts with its version, 1.</source>
        <translation>Een bord is 16 letters (Q voor Qu), en dit is %1; een bordcode begint met zijn versie, 1.</translation>
    </message>
    <message>
        <source>This board code is of version %1, which this Lettro cannot read: it reads version 1 codes.</source>
        <translation>Deze bordcode is van versie %1, die deze Lettro niet kan lezen: hij leest codes van versie 1.</translation>
    </message>
    <message>
        <source>A board code has %1 letters and digits, not counting dashes; this one has %2. Is a part missing?</source>
        <translation>Een bordcode heeft %1 letters en cijfers, streepjes niet meegeteld; deze heeft er %2. Ontbreekt er een stuk?</translation>
    </message>
    <message>
        <source>This board code has a typo: its letters do not match its last character. Check it letter by letter.</source>
        <translation>Deze bordcode bevat een tikfout: de letters passen niet bij het laatste teken. Controleer hem letter voor letter.</translation>
    </message>
    <message>
        <source>This board code is for a board language this Lettro does not have (%1).</source>
        <translation>Deze bordcode is voor een bordtaal die deze Lettro niet heeft (%1).</translation>
    </message>
    <message>
        <source>This is not a board code Lettro made.</source>
        <translation>Dit is geen bordcode die Lettro heeft gemaakt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lettro, a word game with letter dice.</source>
        <translation>Lettro, een woordspel met letterdobbelstenen.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Shake the dice from seed &lt;N&gt; (0 to 4294967295): the same boards in the same order every time, for replays and tests.</source>
        <translation>De dobbelstenen schudden vanaf seed &lt;N&gt; (0 tot 4294967295): elke keer dezelfde borden in dezelfde volgorde, voor herhalingen en tests.</translation>
    </message>
    <message>
        <source>Play on the network from IPv4 address &lt;A&gt; (default: $LETTRO_ADDRESS, else every interface); copies on one machine each take their own 127.0.0.x.</source>
        <translation>Via het netwerk spelen vanaf IPv4-adres &lt;A&gt; (standaard: $LETTRO_ADDRESS, anders elke interface); kopieën op één machine nemen elk hun eigen 127.0.0.x.</translation>
    </message>
    <message>
        <source>Play in board language &lt;XX&gt; this time: en, fr, de, es, it, pt or nl (default: the one chosen in the options).</source>
        <translation>Deze keer in bordtaal &lt;XX&gt; spelen: en, fr, de, es, it, pt of nl (standaard: die gekozen in de opties).</translation>
    </message>
    <message>
        <source>Start by playing the board of board code &lt;CODE&gt; with its settings, or 16 letters row by row (Q for Qu) with your own.</source>
        <translation>Beginnen met het bord van bordcode &lt;CODE&gt; met zijn instellingen, of 16 letters rij voor rij (Q voor Qu) met je eigen instellingen.</translation>
    </message>
    <message>
        <source>Show the windows in language &lt;XX&gt;: en, fr, de, es, it, pt or nl (default: the one chosen in the options, else the desktop&apos;s).</source>
        <translation>De vensters in taal &lt;XX&gt; tonen: en, fr, de, es, it, pt of nl (standaard: die gekozen in de opties, anders die van het bureaublad).</translation>
    </message>
</context>
<context>
    <name>DefinitionPanel</name>
    <message>
        <source>“%1” on Wiktionary</source>
        <translation>“%1” op WikiWoordenboek</translation>
    </message>
</context>
<context>
    <name>Definitions</name>
    <message>
        <source>No definition here</source>
        <translation>Hier geen definitie</translation>
    </message>
    <message>
        <source>Definitions in %1 come with the package %2.</source>
        <translation>Definities (%1) komen met het pakket %2.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Definitions are read from Debian packages where they are installed; Lettro ships none of their data.
English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 licence (package wordnet-base).
French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into English, copyright the FreeDict contributors, under the GNU GPL version 2 or later (packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).</source>
        <translation>Definities worden gelezen uit Debian-pakketten waar die geïnstalleerd zijn; Lettro levert geen van hun gegevens mee.
Engels: WordNet 3.0, copyright 2006 Princeton University, onder de WordNet 3.0-licentie (pakket wordnet-base).
Frans, Spaans, Italiaans, Portugees en Nederlands: de FreeDict-woordenboeken naar het Engels, copyright de bijdragers van FreeDict, onder de GNU GPL versie 2 of later (pakketten dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
Duits: het FreeDict-woordenboek Duits-Engels, copyright Frank Richter en Einhard Leichtfuß, onder de GNU GPL versie 3 of later (pakket dict-freedict-deu-eng).</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with the dictionary it came with, %3; the damaged file is kept as %1.unreadable when the dictionary is next saved.</source>
        <translation>Het woordenboekbestand %1 kon niet worden geladen: %2.

Lettro start met het meegeleverde woordenboek, %3; het beschadigde bestand wordt bewaard als %1.unreadable wanneer het woordenboek de volgende keer wordt opgeslagen.</translation>
    </message>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with an empty dictionary, so no board will hold any words until words are added or merged in the Dictionary Editor.</source>
        <translation>Het woordenboekbestand %1 kon niet worden geladen: %2.

Lettro start met een leeg woordenboek, dus geen enkel bord bevat woorden totdat er woorden worden toegevoegd of samengevoegd in de Woordenboekeditor.</translation>
    </message>
    <message>
        <source>The dictionary was not saved: the unreadable file %1 could not be kept as %2 before being replaced.</source>
        <translation>Het woordenboek is niet opgeslagen: het onleesbare bestand %1 kon niet als %2 worden bewaard voordat het werd vervangen.</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to %1: %2.

The file was left as it was, so your changes to the dictionary are not in it.</source>
        <translation>Het woordenboek kon niet worden opgeslagen in %1: %2.

Het bestand is gebleven zoals het was, dus je wijzigingen in het woordenboek staan er niet in.</translation>
    </message>
    <message>
        <source>Dictionary has been updated, do you want to save it?</source>
        <translation>Het woordenboek is gewijzigd, wil je het opslaan?</translation>
    </message>
    <message>
        <source>Save dictionary?</source>
        <translation>Woordenboek opslaan?</translation>
    </message>
</context>
<context>
    <name>DictionaryEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leegmaken</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Samenvoegen</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Opslaan als</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Starting letters</source>
        <translation>Be&amp;ginletters</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nieuw woord</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>The word file is larger than %1 MiB: only its first %1 MiB were merged.</source>
        <translation>Het woordbestand is groter dan %1 MiB: alleen de eerste %1 MiB is samengevoegd.</translation>
    </message>
    <message>
        <source>%1 words added, %2 lines skipped</source>
        <translation>%1 woorden toegevoegd, %2 regels overgeslagen</translation>
    </message>
    <message>
        <source>Words must be 3 to 16 letters long.</source>
        <translation>Woorden moeten 3 tot 16 letters lang zijn.</translation>
    </message>
    <message>
        <source>Word has a non-alphabetic character, no added.</source>
        <translation>Het woord bevat een teken dat geen letter is, niet toegevoegd.</translation>
    </message>
    <message>
        <source>You must select a word to remove.</source>
        <translation>Je moet een woord selecteren om te verwijderen.</translation>
    </message>
    <message>
        <source>Clear the dictionary?</source>
        <translation>Het woordenboek leegmaken?</translation>
    </message>
    <message>
        <source>The word file %1 could not be opened.</source>
        <translation>Het woordbestand %1 kon niet worden geopend.</translation>
    </message>
    <message>
        <source>The word file %1 could not be written.</source>
        <translation>Het woordbestand %1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>Lettro Dictionary</source>
        <translation>Lettro-woordenboek</translation>
    </message>
    <message>
        <source>Merge a Word File</source>
        <translation>Een woordbestand samenvoegen</translation>
    </message>
    <message>
        <source>All Files (*);;Text Files (*.txt)</source>
        <translation>Alle bestanden (*);;Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>Save the Dictionary as a Word File</source>
        <translation>Het woordenboek opslaan als woordbestand</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 woorden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>Put back the word removed last</source>
        <translation>Het laatst verwijderde woord terugzetten</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Time Remaining</source>
        <translation>Resterende tijd</translation>
    </message>
    <message>
        <source>Score so far: %1 (%2)</source>
        <translation>Score tot nu toe: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n woord</numerusform>
            <numerusform>%n woorden</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 2 - Hit OK when ready to start game.</source>
        <translation>Speler 2 - Klik op OK als je klaar bent om het spel te starten.</translation>
    </message>
    <message>
        <source>Player 1 - Hit OK when ready to start game.</source>
        <translation>Speler 1 - Klik op OK als je klaar bent om het spel te starten.</translation>
    </message>
    <message>
        <source>Hit OK when ready to start game.</source>
        <translation>Klik op OK als je klaar bent om het spel te starten.</translation>
    </message>
    <message>
        <source>Hit OK when ready to resume.</source>
        <translation>Klik op OK als je klaar bent om verder te gaan.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Spel gepauzeerd</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>+%1 s</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n woord ingevoerd</numerusform>
            <numerusform>%n woorden ingevoerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>Lettro heeft %n woord gevonden</numerusform>
            <numerusform>Lettro heeft %n woorden gevonden</numerusform>
        </translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Laatste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invoeren</translation>
    </message>
</context>
<context>
    <name>GameProgressWindow</name>
    <message>
        <source>Lettro Progress</source>
        <translation>Lettro-voortgang</translation>
    </message>
    <message>
        <source>Points, game by game</source>
        <translation>Punten, spel na spel</translation>
    </message>
    <message>
        <source>Share of the board&apos;s words found</source>
        <translation>Deel van de woorden op het bord gevonden</translation>
    </message>
    <message>
        <source>Words by length</source>
        <translation>Woorden per lengte</translation>
    </message>
    <message>
        <source>Boards of the day played</source>
        <translation>Gespeelde borden van de dag</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Board language:</source>
        <translation>Bordtaal:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Instellingen:</translation>
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
        <translation>Reeks: %1 op rij; langste %2.</translation>
    </message>
    <message>
        <source>No finished games recorded with these filters yet. Every finished single-player game is recorded.</source>
        <translation>Nog geen afgemaakte spellen met deze filters vastgelegd. Elk afgemaakt spel met één speler wordt vastgelegd.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; %4 points on average, %5 at best.</source>
        <translation>%1 van %2 tot %3; gemiddeld %4 punten, hoogstens %5.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>

The board language in play, %1, has a word list of its own, used under the notice shown in full under Show Details (and in words-%2-LICENSE.txt).</source>
        <translation>

De bordtaal in het spel, %1, heeft een eigen woordenlijst, gebruikt onder de kennisgeving die volledig wordt getoond onder Details tonen (en in words-%2-LICENSE.txt).</translation>
    </message>
    <message>
        <source>

A word game: find the words hidden in a board of shaken letter dice before the clock runs out, alone, against a friend or over the network.

Lettro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) for details.

The word list is taken from SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and others, used under their permission notices, which are in words-LICENSE.txt.</source>
        <translation>

Een woordspel: vind de woorden die verborgen zitten in een bord van geschudde letterdobbelstenen voordat de tijd om is, alleen, tegen een vriend of via het netwerk.

Lettro is vrije software: je mag het verspreiden en/of wijzigen onder de voorwaarden van de GNU General Public License, versie 3 of (naar je keuze) elke latere versie. Het wordt geleverd ZONDER ENIGE GARANTIE; zie de licentie (LICENSE) voor details.

De woordenlijst komt uit SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, met delen copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) en anderen, gebruikt onder hun toestemmingsverklaringen, die in words-LICENSE.txt staan.</translation>
    </message>
    <message>
        <source>

Using Qt %1.</source>
        <translation>

Gebruikt Qt %1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;&lt;p&gt;It is installed beside the Lettro program; reinstalling Lettro puts it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Pagina niet gevonden&lt;/h2&gt;&lt;p&gt;De helppagina &lt;tt&gt;%1&lt;/tt&gt; kon niet worden gevonden.&lt;/p&gt;&lt;p&gt;Ze is geïnstalleerd naast het programma Lettro; Lettro opnieuw installeren zet ze terug.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Lettro Help</source>
        <translation>Lettro-help</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>De topscores konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>Your name for the high scores:</source>
        <translation>Je naam voor de topscores:</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It has been kept as %3, and the high scores start again from an empty table.</source>
        <translation>Het topscorebestand %1 kon niet worden gebruikt: %2.

Het is bewaard als %3, en de topscores beginnen opnieuw met een lege tabel.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the high scores of this session will not be saved.</source>
        <translation>Het topscorebestand %1 kon niet worden gebruikt: %2.

Het kon ook niet opzij worden gezet, dus het blijft zoals het is en de topscores van deze sessie worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nieuwe topscore</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Spelersnaam</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is too large to be a Lettro high-score file</source>
        <translation>het is te groot voor een topscorebestand van Lettro</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>het kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hectisch</translation>
    </message>
    <message>
        <source>Standard %1</source>
        <translation>Standaard %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>het is leeg</translation>
    </message>
    <message>
        <source>it is not a Lettro high-score file</source>
        <translation>het is geen topscorebestand van Lettro</translation>
    </message>
    <message>
        <source>it was written by another version of Lettro (format %1)</source>
        <translation>het is geschreven door een andere versie van Lettro (formaat %1)</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>regel %1 is beschadigd</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Bord van de dag</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>Lettro High Scores</source>
        <translation>Lettro-topscores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>Change &amp;Name...</source>
        <translation>&amp;Naam wijzigen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>S&amp;pel:</translation>
    </message>
    <message>
        <source>Player: not chosen yet</source>
        <translation>Speler: nog niet gekozen</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Speler: %1</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game kept at the last quit (%1) could not be used: %2.%3</source>
        <translation>Het spel dat bij het laatste afsluiten is bewaard (%1) kon niet worden gebruikt: %2.%3</translation>
    </message>
    <message>
        <source>

It could not be moved aside.</source>
        <translation>

Het kon niet opzij worden gezet.</translation>
    </message>
    <message>
        <source>

It has been kept as %1.</source>
        <translation>

Het is bewaard als %1.</translation>
    </message>
    <message>
        <source>The game kept at the last quit could not be resumed: its board language is not available.</source>
        <translation>Het spel dat bij het laatste afsluiten is bewaard, kon niet worden hervat: de taal van het bord is niet beschikbaar.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>Shake the dice and start a new game</source>
        <translation>De dobbelstenen schudden en een nieuw spel starten</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Spel pauzeren</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Het spel pauzeren</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spel beëindigen</translation>
    </message>
    <message>
        <source>End the game now</source>
        <translation>Het spel nu beëindigen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Time, game type, players, word sizes and more</source>
        <translation>Tijd, speltype, spelers, woordlengtes en meer</translation>
    </message>
    <message>
        <source>Dictionary Editor</source>
        <translation>Woordenboekeditor</translation>
    </message>
    <message>
        <source>Browse and edit the dictionary</source>
        <translation>Het woordenboek doorbladeren en bewerken</translation>
    </message>
    <message>
        <source>Network Game</source>
        <translation>Netwerkspel</translation>
    </message>
    <message>
        <source>Play with others on the local network</source>
        <translation>Met anderen spelen op het lokale netwerk</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>Exit Lettro</source>
        <translation>Lettro afsluiten</translation>
    </message>
    <message>
        <source>Leave Lettro</source>
        <translation>Lettro verlaten</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invoeren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Resterende tijd</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>WARNING - undefined message received from </source>
        <translation>WAARSCHUWING - onbekend bericht ontvangen van </translation>
    </message>
    <message>
        <source>Can&apos;t start the game without another player!</source>
        <translation>Kan het spel niet starten zonder een andere speler!</translation>
    </message>
    <message>
        <source>Sending game data to players...</source>
        <translation>Spelgegevens naar spelers sturen...</translation>
    </message>
    <message>
        <source>Notifying game players...</source>
        <translation>Spelers op de hoogte brengen...</translation>
    </message>
    <message>
        <source>Notifying game host...</source>
        <translation>Host op de hoogte brengen...</translation>
    </message>
    <message>
        <source>Select the player to boot, then press &apos;Boot Player&apos; again</source>
        <translation>Selecteer de speler die je wilt verwijderen en klik dan opnieuw op &apos;Speler verwijderen&apos;</translation>
    </message>
    <message>
        <source>Are you sure you want to boot %1?</source>
        <translation>Weet je zeker dat je %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>Waiting for results from players...</source>
        <translation>Wachten op resultaten van spelers...</translation>
    </message>
    <message>
        <source>Listening for players...</source>
        <translation>Luisteren naar spelers...</translation>
    </message>
    <message>
        <source>Sending results to players...</source>
        <translation>Resultaten naar spelers sturen...</translation>
    </message>
    <message>
        <source>Failure with initialize of Lettro networking service.</source>
        <translation>Fout bij het initialiseren van de netwerkdienst van Lettro.</translation>
    </message>
    <message>
        <source>Unknown game state</source>
        <translation>Onbekende spelstatus</translation>
    </message>
    <message>
        <source>WARNING - undefined acknowledgement received from </source>
        <translation>WAARSCHUWING - onbekende bevestiging ontvangen van </translation>
    </message>
    <message>
        <source>The host did not let you join its game.</source>
        <translation>De host liet je niet meedoen aan zijn spel.</translation>
    </message>
    <message>
        <source>Host is ending your game...</source>
        <translation>De host beëindigt je spel...</translation>
    </message>
    <message>
        <source>Ready - synchronizing with host...</source>
        <translation>Klaar - synchroniseren met host...</translation>
    </message>
    <message>
        <source>Found host, connecting to %1...</source>
        <translation>Host gevonden, verbinden met %1...</translation>
    </message>
    <message>
        <source>Incompatible Lettro version</source>
        <translation>Incompatibele Lettro-versie</translation>
    </message>
    <message>
        <source>Host is now playing a new game.  Your game is over.</source>
        <translation>De host speelt nu een nieuw spel.  Je spel is voorbij.</translation>
    </message>
    <message>
        <source>Received WT message from client in incorrect state, ignored</source>
        <translation>WT-bericht van client in verkeerde toestand ontvangen, genegeerd</translation>
    </message>
    <message>
        <source>Searching for game host...</source>
        <translation>Spelhost zoeken...</translation>
    </message>
    <message>
        <source>Port 20000 is in use here, so no host can answer a search: use Connect... to name the host</source>
        <translation>Poort 20000 is hier in gebruik, dus geen host kan op een zoekopdracht antwoorden: gebruik Verbinden... om de host op te geven</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Voer je naam in</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Spel hosten</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Meedoen aan spel</translation>
    </message>
    <message>
        <source>Enter PC network name or IP address</source>
        <translation>Voer de netwerknaam of het IP-adres van de pc in</translation>
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
        <translation>Verbinden met %1...</translation>
    </message>
    <message>
        <source>Looking for %1...</source>
        <translation>%1 zoeken...</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Lettro Networking</source>
        <translation>Lettro in netwerk</translation>
    </message>
    <message>
        <source>&amp;Repeat Letters</source>
        <translation>&amp;Herhaalde letters</translation>
    </message>
    <message>
        <source>&amp;Min Word Size</source>
        <translation>&amp;Minimale woordlengte</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Woorden</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Verbinden...</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Boot Player</source>
        <translation>Speler ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Add Computer Player</source>
        <translation>&amp;Computerspeler toevoegen</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>Spel&amp;type</translation>
    </message>
    <message>
        <source>Game T&amp;ime</source>
        <translation>Speelt&amp;ijd</translation>
    </message>
    <message>
        <source>Board language: %1</source>
        <translation>Bordtaal: %1</translation>
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
        <translation>Tegen computers (%1): %2 gewonnen, %3 verloren, %4 gelijk</translation>
    </message>
    <message>
        <source>No games against the computer yet</source>
        <translation>Nog geen spellen tegen de computer</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n woord</numerusform>
            <numerusform>%n woorden</numerusform>
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
        <translation>Weet je zeker dat je woorden langer dan %1 letters uit het woordenboek wilt verwijderen?</translation>
    </message>
    <message>
        <source>Changing the game type now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Als je het speltype nu wijzigt, wordt het huidige spel afgebroken.  Weet je zeker dat je dit wilt doen?</translation>
    </message>
    <message>
        <source>Changing the game mode now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Als je de spelmodus nu wijzigt, wordt het huidige spel afgebroken.  Weet je zeker dat je dit wilt doen?</translation>
    </message>
    <message>
        <source>Changing the board language now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Als je de bordtaal nu wijzigt, wordt het huidige spel afgebroken.  Weet je zeker dat je dit wilt doen?</translation>
    </message>
    <message>
        <source>Changing the minimum word size now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Als je de minimale woordlengte nu wijzigt, wordt het huidige spel gestopt.  Weet je zeker dat je dit wilt doen?</translation>
    </message>
    <message>
        <source>Changing the repeat letters setting now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Als je de instelling voor herhaalde letters nu wijzigt, wordt het huidige spel gestopt.  Weet je zeker dat je dit wilt doen?</translation>
    </message>
    <message>
        <source>Entering a network game now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Als je nu aan een netwerkspel deelneemt, wordt het huidige spel afgebroken.  Weet je zeker dat je dit wilt doen?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Lettro Options</source>
        <translation>Lettro-opties</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Speltype</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Spelmodus</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Speeltijd</translation>
    </message>
    <message>
        <source>Number of Words in Game</source>
        <translation>Aantal woorden in spel</translation>
    </message>
    <message>
        <source>Computer opponents</source>
        <translation>Computertegenstanders</translation>
    </message>
    <message>
        <source>Computer strength</source>
        <translation>Computersterkte</translation>
    </message>
    <message>
        <source>Min Word Size</source>
        <translation>Minimale woordlengte</translation>
    </message>
    <message>
        <source>Max Word Size</source>
        <translation>Maximale woordlengte</translation>
    </message>
    <message>
        <source>Allow Repeated Letters</source>
        <translation>Herhaalde letters toestaan</translation>
    </message>
    <message>
        <source>Board language</source>
        <translation>Bordtaal</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Geluiden afspelen</translation>
    </message>
    <message>
        <source>Show Unused Words Only</source>
        <translation>Alleen niet-gevonden woorden tonen</translation>
    </message>
    <message>
        <source>Left Handed Display</source>
        <translation>Linkshandige weergave</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Interfacetaal</translation>
    </message>
    <message>
        <source>A new interface language applies at the next start.</source>
        <translation>Een nieuwe interfacetaal geldt vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Show where the word can go</source>
        <translation>Tonen waar het woord kan staan</translation>
    </message>
</context>
<context>
    <name>PlayBoardDialog</name>
    <message>
        <source>Play a Board</source>
        <translation>Een bord spelen</translation>
    </message>
    <message>
        <source>A board code, as the results&apos; Copy Board Code gives it, or the 16 letters of a board row by row (Q for the Qu cube):</source>
        <translation>Een bordcode, zoals Bordcode kopiëren in de resultaten die geeft, of de 16 letters van een bord rij voor rij (Q voor het Qu-blokje):</translation>
    </message>
    <message>
        <source>A code plays with its own settings; typed letters with yours.</source>
        <translation>Een code speelt met zijn eigen instellingen; getypte letters met de jouwe.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Oplossen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>This board cannot be played now: not during a network game, and only in a board language Lettro has a dictionary for.</source>
        <translation>Dit bord kan nu niet worden gespeeld: niet tijdens een netwerkspel, en alleen in een bordtaal waarvoor Lettro een woordenboek heeft.</translation>
    </message>
</context>
<context>
    <name>PlayerStatus</name>
    <message>
        <source>Waiting for players</source>
        <translation>Wacht op spelers</translation>
    </message>
    <message>
        <source>Sending game data</source>
        <translation>Verzendt spelgegevens</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Klaar om te starten</translation>
    </message>
    <message>
        <source>Playing game</source>
        <translation>Speelt</translation>
    </message>
    <message>
        <source>Finished game</source>
        <translation>Spel klaar</translation>
    </message>
    <message>
        <source>Waiting for results</source>
        <translation>Wacht op resultaten</translation>
    </message>
    <message>
        <source>Sending results</source>
        <translation>Verzendt resultaten</translation>
    </message>
    <message>
        <source>Reviewing results</source>
        <translation>Bekijkt resultaten</translation>
    </message>
    <message>
        <source>Left game</source>
        <translation>Heeft spel verlaten</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>it was written by a newer Lettro</source>
        <translation>het is geschreven door een nieuwere Lettro</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It has been kept as %3, and your progress is recorded in a new file from now on.</source>
        <translation>Het voortgangsbestand %1 kon niet worden gebruikt: %2.

Het is bewaard als %3, en je voortgang wordt vanaf nu in een nieuw bestand vastgelegd.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the games of this session are not recorded.</source>
        <translation>Het voortgangsbestand %1 kon niet worden gebruikt: %2.

Het kon ook niet opzij worden gezet, dus het blijft zoals het is en de spellen van deze sessie worden niet vastgelegd.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program, so this game is not recorded yet: Lettro tries again after each game.</source>
        <translation>Het voortgangsbestand %1 is in gebruik door een ander programma, dus dit spel is nog niet vastgelegd: Lettro probeert het na elk spel opnieuw.</translation>
    </message>
    <message>
        <source>Your progress could not be recorded in %1: %2. Lettro tries again after each game.</source>
        <translation>Je voortgang kon niet worden vastgelegd in %1: %2. Lettro probeert het na elk spel opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n spel</numerusform>
            <numerusform>%n spellen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>No games yet</source>
        <translation>Nog geen spellen</translation>
    </message>
    <message>
        <source>mean %1%2</source>
        <translation>gemiddeld %1%2</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gevonden</translation>
    </message>
    <message>
        <source>on the boards</source>
        <translation>op de borden</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>letters</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vr</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Merging words...</source>
        <translation>Woorden samenvoegen...</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Boards cannot be solved during a network game.</source>
        <translation>Borden kunnen niet worden opgelost tijdens een netwerkspel.</translation>
    </message>
    <message>
        <source>A board in another language can be solved once this game is over.</source>
        <translation>Een bord in een andere taal kan worden opgelost als dit spel voorbij is.</translation>
    </message>
    <message>
        <source>The board&apos;s language cannot be put in play.</source>
        <translation>De taal van het bord kan niet in het spel worden gebracht.</translation>
    </message>
    <message>
        <source>The board of the day cannot be played now: its language is not available.</source>
        <translation>Het bord van de dag kan nu niet worden gespeeld: de taal ervan is niet beschikbaar.</translation>
    </message>
    <message>
        <source>You have played today&apos;s board already: %1 points, %2 of its %3 words.

%4

A new board comes tomorrow. See all the words of today&apos;s?</source>
        <translation>Je hebt het bord van vandaag al gespeeld: %1 punten, %2 van de %3 woorden.

%4

Morgen komt er een nieuw bord. Alle woorden van vandaag bekijken?</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Bord van de dag</translation>
    </message>
    <message>
        <source>No streak of boards of the day yet; play one a day to start one.</source>
        <translation>Nog geen reeks van borden van de dag; speel er elke dag een om een reeks te beginnen.</translation>
    </message>
    <message>
        <source>Streak: %1 in a row with the board of the day (longest %2).</source>
        <translation>Reeks: %1 op rij met het bord van de dag (langste %2).</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hectisch</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>, %1+ letters</source>
        <translation>, %1+ letters</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, herhalingen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>Spel &amp;pauzeren</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>Spel &amp;beëindigen</translation>
    </message>
    <message>
        <source>&amp;Last Results</source>
        <translation>&amp;Laatste resultaten</translation>
    </message>
    <message>
        <source>Play a &amp;Board...</source>
        <translation>&amp;Een bord spelen...</translation>
    </message>
    <message>
        <source>Board of the &amp;Day</source>
        <translation>Bord van de &amp;dag</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>&amp;Voortgang...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opties...</translation>
    </message>
    <message>
        <source>&amp;Network Game...</source>
        <translation>&amp;Netwerkspel...</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Topscores...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Woordenboek</translation>
    </message>
    <message>
        <source>&amp;Editor...</source>
        <translation>&amp;Editor...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About Lettro</source>
        <translation>&amp;Over Lettro</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, gevonden</translation>
    </message>
    <message>
        <source>About Lettro</source>
        <translation>Over Lettro</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>You must select a word in the &apos;undefined&apos; list first</source>
        <translation>Je moet eerst een woord selecteren in de lijst &apos;ongeldig&apos;</translation>
    </message>
    <message>
        <source>You must select a word in the &apos;dictionary&apos; list first</source>
        <translation>Je moet eerst een woord selecteren in de lijst &apos;woordenboek&apos;</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Your Words</source>
        <translation>Jouw woorden</translation>
    </message>
    <message>
        <source>Lettro&apos;s Words</source>
        <translation>Woorden van Lettro</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Aan woordenboek toevoegen</translation>
    </message>
    <message>
        <source>Remove from Dictionary</source>
        <translation>Uit woordenboek verwijderen</translation>
    </message>
    <message>
        <source>Copy Board Code</source>
        <translation>Bordcode kopiëren</translation>
    </message>
    <message>
        <source>The board and its settings as a short code: Game &gt; Play a Board in any Lettro plays the same game.</source>
        <translation>Het bord en zijn instellingen als korte code: Spel &gt; Een bord spelen in elke Lettro speelt hetzelfde spel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board of the day, %1.</source>
        <translation>Bord van de dag, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Lettro Results</source>
        <translation>Lettro-resultaten</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>Aantal woorden</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>Aantal ongeldig</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Points for each word of this length</source>
        <translation>Punten voor elk woord van deze lengte</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Take back the last change to the dictionary</source>
        <translation>De laatste wijziging aan het woordenboek terugdraaien</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n woord</numerusform>
            <numerusform>%n woorden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found out of %2 (%3%)</source>
        <translation>%1 gevonden van de %2 (%3%)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 gevonden</translation>
    </message>
    <message>
        <source>Score is %1 out of %2 (%3%)</source>
        <translation>Score: %1 van %2 (%3%)</translation>
    </message>
    <message>
        <source>Score is %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>%1 not in dictionary</source>
        <translation>%1 niet in woordenboek</translation>
    </message>
    <message>
        <source>%1 = Player 1 score</source>
        <translation>%1 = score speler 1</translation>
    </message>
    <message>
        <source>%1 = Player 2 score</source>
        <translation>%1 = score speler 2</translation>
    </message>
    <message>
        <source>Tie Game!!!</source>
        <translation>Gelijkspel!!!</translation>
    </message>
    <message>
        <source>Player 1 Wins</source>
        <translation>Speler 1 wint</translation>
    </message>
    <message>
        <source>Player 2 Wins</source>
        <translation>Speler 2 wint</translation>
    </message>
    <message>
        <source>Your score = %1</source>
        <translation>Jouw score = %1</translation>
    </message>
    <message>
        <source>High score = %1</source>
        <translation>Hoogste score = %1</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 wint</translation>
    </message>
    <message>
        <source>%1 players tie</source>
        <translation>%1 spelers gelijk</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Alleen %1</translation>
    </message>
    <message>
        <source>%1 undefined</source>
        <translation>%1: ongeldig</translation>
    </message>
    <message>
        <source>Defined</source>
        <translation>Geldig</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Ongeldig</translation>
    </message>
    <message>
        <source>Player 1 Only</source>
        <translation>Alleen speler 1</translation>
    </message>
    <message>
        <source>Common Words</source>
        <translation>Gemeenschappelijke woorden</translation>
    </message>
    <message>
        <source>Player 1 Undefined</source>
        <translation>Speler 1: ongeldig</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Alle woorden</translation>
    </message>
    <message>
        <source>Unused Words</source>
        <translation>Niet-gevonden woorden</translation>
    </message>
    <message>
        <source>Player 2 Only</source>
        <translation>Alleen speler 2</translation>
    </message>
    <message>
        <source>Player 2 Undefined</source>
        <translation>Speler 2: ongeldig</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>Aantal woorden</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>Aantal ongeldig</translation>
    </message>
</context>
<context>
    <name>SettingItem</name>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hectisch</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Twee spelers</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>No limits</source>
        <translation>Geen grens</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Onbeperkt</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Meer dan %1</translation>
    </message>
    <message>
        <source>Less than %1</source>
        <translation>Minder dan %1</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n letter</numerusform>
            <numerusform>%n letters</numerusform>
        </translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>De taal van het bureaublad</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>WARNING - dictionary is limited to words that have no more than %1 letters, resetting Max Word Size option</source>
        <translation>WAARSCHUWING - het woordenboek is beperkt tot woorden van hoogstens %1 letters, de optie Maximale woordlengte wordt aangepast</translation>
    </message>
    <message>
        <source>Dictionary contains words longer than %1 letters, is it OK to remove the longer words from the dictionary?</source>
        <translation>Het woordenboek bevat woorden langer dan %1 letters, mogen de langere woorden uit het woordenboek worden verwijderd?</translation>
    </message>
    <message>
        <source>Setting Max Word Size option to %1 letters</source>
        <translation>De optie Maximale woordlengte wordt op %1 letters gezet</translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message>
        <source>Lettro - All Words of a Board</source>
        <translation>Lettro - Alle woorden van een bord</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Alle woorden</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board language %1, %2 %3, words of %4 letters or more%5.</source>
        <translation>Bordtaal %1, %2 %3, woorden van %4 letters of meer%5.</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Hectisch</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>, cubes repeated</source>
        <translation>, blokjes herhaald</translation>
    </message>
    <message>
        <source>Board code: %1</source>
        <translation>Bordcode: %1</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <translation>%1, %2 in totaal.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n woord</numerusform>
            <numerusform>%n woorden</numerusform>
        </translation>
    </message>
</context>
</TS>
