<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code holds only letters, digits and dashes; a board, only its 16 letters.</source>
        <translation>Un code de grille ne contient que des lettres, des chiffres et des tirets ; une grille, seulement ses 16 lettres.</translation>
    </message>
    <message>
        <source>Type a board code, or the 16 letters of a board row by row.</source>
        <translation>Tapez un code de grille, ou les 16 lettres d&apos;une grille ligne par ligne.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is 16 with digits; a board code starts with its version, 1.</source>
        <translation>Une grille, ce sont 16 lettres (Q pour Qu), et ceci en fait 16 avec des chiffres ; un code de grille commence par sa version, 1.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is %1; a board code starts with its version, 1.</source>
        <translation>Une grille, ce sont 16 lettres (Q pour Qu), et ceci en fait %1 ; un code de grille commence par sa version, 1.</translation>
    </message>
    <message>
        <source>This board code is of version %1, which this Lettro cannot read: it reads version 1 codes.</source>
        <translation>Ce code de grille est de version %1, que ce Lettro ne sait pas lire : il lit les codes de version 1.</translation>
    </message>
    <message>
        <source>A board code has %1 letters and digits, not counting dashes; this one has %2. Is a part missing?</source>
        <translation>Un code de grille a %1 lettres et chiffres, sans compter les tirets ; celui-ci en a %2. En manque-t-il une partie ?</translation>
    </message>
    <message>
        <source>This board code has a typo: its letters do not match its last character. Check it letter by letter.</source>
        <translation>Ce code de grille contient une faute de frappe : ses lettres ne correspondent pas à son dernier caractère. Vérifiez-le lettre par lettre.</translation>
    </message>
    <message>
        <source>This board code is for a board language this Lettro does not have (%1).</source>
        <translation>Ce code de grille est pour une langue de grille que ce Lettro n&apos;a pas (%1).</translation>
    </message>
    <message>
        <source>This is not a board code Lettro made.</source>
        <translation>Ceci n&apos;est pas un code de grille créé par Lettro.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lettro, a word game with letter dice.</source>
        <translation>Lettro, un jeu de mots avec des dés à lettres.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Shake the dice from seed &lt;N&gt; (0 to 4294967295): the same boards in the same order every time, for replays and tests.</source>
        <translation>Secouer les dés à partir de la graine &lt;N&gt; (0 à 4294967295) : les mêmes grilles dans le même ordre à chaque fois, pour rejouer et tester.</translation>
    </message>
    <message>
        <source>Play on the network from IPv4 address &lt;A&gt; (default: $LETTRO_ADDRESS, else every interface); copies on one machine each take their own 127.0.0.x.</source>
        <translation>Jouer en réseau depuis l&apos;adresse IPv4 &lt;A&gt; (par défaut : $LETTRO_ADDRESS, sinon toutes les interfaces) ; plusieurs copies sur une même machine prennent chacune leur propre 127.0.0.x.</translation>
    </message>
    <message>
        <source>Play in board language &lt;XX&gt; this time: en, fr, de, es, it, pt or nl (default: the one chosen in the options).</source>
        <translation>Jouer cette fois dans la langue de grille &lt;XX&gt; : en, fr, de, es, it, pt ou nl (par défaut : celle choisie dans les options).</translation>
    </message>
    <message>
        <source>Start by playing the board of board code &lt;CODE&gt; with its settings, or 16 letters row by row (Q for Qu) with your own.</source>
        <translation>Commencer par jouer la grille du code &lt;CODE&gt; avec ses réglages, ou 16 lettres ligne par ligne (Q pour Qu) avec les vôtres.</translation>
    </message>
    <message>
        <source>Show the windows in language &lt;XX&gt;: en, fr, de, es, it, pt or nl (default: the one chosen in the options, else the desktop&apos;s).</source>
        <translation>Afficher les fenêtres dans la langue &lt;XX&gt; : en, fr, de, es, it, pt ou nl (par défaut : celle choisie dans les options, sinon celle du bureau).</translation>
    </message>
</context>
<context>
    <name>DefinitionPanel</name>
    <message>
        <source>“%1” on Wiktionary</source>
        <translation>« %1 » sur le Wiktionnaire</translation>
    </message>
</context>
<context>
    <name>Definitions</name>
    <message>
        <source>No definition here</source>
        <translation>Aucune définition ici</translation>
    </message>
    <message>
        <source>Definitions in %1 come with the package %2.</source>
        <translation>Les définitions (%1) sont fournies par le paquet %2.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Definitions are read from Debian packages where they are installed; Lettro ships none of their data.
English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 licence (package wordnet-base).
French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into English, copyright the FreeDict contributors, under the GNU GPL version 2 or later (packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).</source>
        <translation>Les définitions sont lues dans les paquets Debian là où ils sont installés ; Lettro n&apos;en fournit aucune donnée.
Anglais : WordNet 3.0, copyright 2006 Princeton University, sous la licence WordNet 3.0 (paquet wordnet-base).
Français, espagnol, italien, portugais et néerlandais : les dictionnaires FreeDict vers l&apos;anglais, copyright les contributeurs de FreeDict, sous la GNU GPL version 2 ou ultérieure (paquets dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
Allemand : le dictionnaire FreeDict allemand-anglais, copyright Frank Richter et Einhard Leichtfuß, sous la GNU GPL version 3 ou ultérieure (paquet dict-freedict-deu-eng).</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with the dictionary it came with, %3; the damaged file is kept as %1.unreadable when the dictionary is next saved.</source>
        <translation>Le fichier dictionnaire %1 n&apos;a pas pu être chargé : %2.

Lettro démarre avec le dictionnaire d&apos;origine, %3 ; le fichier endommagé sera gardé sous le nom %1.unreadable au prochain enregistrement du dictionnaire.</translation>
    </message>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with an empty dictionary, so no board will hold any words until words are added or merged in the Dictionary Editor.</source>
        <translation>Le fichier dictionnaire %1 n&apos;a pas pu être chargé : %2.

Lettro démarre avec un dictionnaire vide : aucune grille ne contiendra de mots tant que des mots n&apos;auront pas été ajoutés ou fusionnés dans l&apos;éditeur de dictionnaire.</translation>
    </message>
    <message>
        <source>The dictionary was not saved: the unreadable file %1 could not be kept as %2 before being replaced.</source>
        <translation>Le dictionnaire n&apos;a pas été enregistré : le fichier illisible %1 n&apos;a pas pu être gardé sous le nom %2 avant d&apos;être remplacé.</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to %1: %2.

The file was left as it was, so your changes to the dictionary are not in it.</source>
        <translation>Le dictionnaire n&apos;a pas pu être enregistré dans %1 : %2.

Le fichier est resté tel quel, vos modifications du dictionnaire n&apos;y figurent donc pas.</translation>
    </message>
    <message>
        <source>Dictionary has been updated, do you want to save it?</source>
        <translation>Le dictionnaire a été modifié, voulez-vous l&apos;enregistrer ?</translation>
    </message>
    <message>
        <source>Save dictionary?</source>
        <translation>Enregistrer le dictionnaire ?</translation>
    </message>
</context>
<context>
    <name>DictionaryEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Starting letters</source>
        <translation>&amp;Premières lettres</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nouveau mot</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>The word file is larger than %1 MiB: only its first %1 MiB were merged.</source>
        <translation>Le fichier de mots dépasse %1 Mio : seuls ses %1 premiers Mio ont été fusionnés.</translation>
    </message>
    <message>
        <source>%1 words added, %2 lines skipped</source>
        <translation>%1 mots ajoutés, %2 lignes ignorées</translation>
    </message>
    <message>
        <source>Words must be 3 to 16 letters long.</source>
        <translation>Les mots doivent avoir de 3 à 16 lettres.</translation>
    </message>
    <message>
        <source>Word has a non-alphabetic character, no added.</source>
        <translation>Le mot contient un caractère non alphabétique, il n&apos;est pas ajouté.</translation>
    </message>
    <message>
        <source>You must select a word to remove.</source>
        <translation>Vous devez sélectionner un mot à supprimer.</translation>
    </message>
    <message>
        <source>Clear the dictionary?</source>
        <translation>Vider le dictionnaire ?</translation>
    </message>
    <message>
        <source>The word file %1 could not be opened.</source>
        <translation>Le fichier de mots %1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The word file %1 could not be written.</source>
        <translation>Le fichier de mots %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Lettro Dictionary</source>
        <translation>Dictionnaire de Lettro</translation>
    </message>
    <message>
        <source>Merge a Word File</source>
        <translation>Fusionner un fichier de mots</translation>
    </message>
    <message>
        <source>All Files (*);;Text Files (*.txt)</source>
        <translation>Tous les fichiers (*);;Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Save the Dictionary as a Word File</source>
        <translation>Enregistrer le dictionnaire comme fichier de mots</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Put back the word removed last</source>
        <translation>Remettre le dernier mot supprimé</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Time Remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Score so far: %1 (%2)</source>
        <translation>Score actuel : %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 2 - Hit OK when ready to start game.</source>
        <translation>Joueur 2 - Cliquez sur OK quand vous êtes prêt à commencer.</translation>
    </message>
    <message>
        <source>Player 1 - Hit OK when ready to start game.</source>
        <translation>Joueur 1 - Cliquez sur OK quand vous êtes prêt à commencer.</translation>
    </message>
    <message>
        <source>Hit OK when ready to start game.</source>
        <translation>Cliquez sur OK quand vous êtes prêt à commencer.</translation>
    </message>
    <message>
        <source>Hit OK when ready to resume.</source>
        <translation>Cliquez sur OK quand vous êtes prêt à reprendre.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>+%1 s</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n mot entré</numerusform>
            <numerusform>%n mots entrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>Lettro a trouvé %n mot</numerusform>
            <numerusform>Lettro a trouvé %n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>GameProgressWindow</name>
    <message>
        <source>Lettro Progress</source>
        <translation>Progression de Lettro</translation>
    </message>
    <message>
        <source>Points, game by game</source>
        <translation>Points, partie après partie</translation>
    </message>
    <message>
        <source>Share of the board&apos;s words found</source>
        <translation>Part des mots de la grille trouvés</translation>
    </message>
    <message>
        <source>Words by length</source>
        <translation>Mots par longueur</translation>
    </message>
    <message>
        <source>Boards of the day played</source>
        <translation>Grilles du jour jouées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Board language:</source>
        <translation>Langue de la grille :</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Réglages :</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Streak: %1 in a row; longest %2.</source>
        <translation>Série : %1 d&apos;affilée ; la plus longue : %2.</translation>
    </message>
    <message>
        <source>No finished games recorded with these filters yet. Every finished single-player game is recorded.</source>
        <translation>Aucune partie terminée enregistrée avec ces filtres pour l&apos;instant. Chaque partie à un joueur terminée est enregistrée.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; %4 points on average, %5 at best.</source>
        <translation>%1 du %2 au %3 ; %4 points en moyenne, %5 au mieux.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>

The board language in play, %1, has a word list of its own, used under the notice shown in full under Show Details (and in words-%2-LICENSE.txt).</source>
        <translation>

La langue de grille en jeu, %1, a sa propre liste de mots, utilisée selon la notice affichée en entier sous Afficher les détails (et dans words-%2-LICENSE.txt).</translation>
    </message>
    <message>
        <source>

A word game: find the words hidden in a board of shaken letter dice before the clock runs out, alone, against a friend or over the network.

Lettro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) for details.

The word list is taken from SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and others, used under their permission notices, which are in words-LICENSE.txt.</source>
        <translation>

Un jeu de mots : trouvez les mots cachés dans une grille de dés à lettres secoués avant la fin du temps, seul, contre un ami ou en réseau.

Lettro est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la GNU General Public License, version 3 ou (à votre choix) toute version ultérieure. Il est fourni SANS AUCUNE GARANTIE ; voir la licence (LICENSE) pour les détails.

La liste de mots est tirée de SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, avec des parties copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) et d&apos;autres, utilisées selon leurs notices de permission, qui se trouvent dans words-LICENSE.txt.</translation>
    </message>
    <message>
        <source>

Using Qt %1.</source>
        <translation>

Utilise Qt %1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;&lt;p&gt;It is installed beside the Lettro program; reinstalling Lettro puts it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page introuvable&lt;/h2&gt;&lt;p&gt;La page d&apos;aide &lt;tt&gt;%1&lt;/tt&gt; est introuvable.&lt;/p&gt;&lt;p&gt;Elle est installée à côté du programme Lettro ; réinstaller Lettro la remet en place.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Lettro Help</source>
        <translation>Aide de Lettro</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Les meilleurs scores n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>Your name for the high scores:</source>
        <translation>Votre nom pour les meilleurs scores :</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It has been kept as %3, and the high scores start again from an empty table.</source>
        <translation>Le fichier des meilleurs scores %1 n&apos;a pas pu être utilisé : %2.

Il a été gardé sous le nom %3, et les meilleurs scores repartent d&apos;un tableau vide.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the high scores of this session will not be saved.</source>
        <translation>Le fichier des meilleurs scores %1 n&apos;a pas pu être utilisé : %2.

Il n&apos;a pas non plus pu être mis de côté : il reste tel quel et les meilleurs scores de cette session ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large to be a Lettro high-score file</source>
        <translation>il est trop gros pour être un fichier de meilleurs scores de Lettro</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frénétique</translation>
    </message>
    <message>
        <source>Standard %1</source>
        <translation>Standard %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not a Lettro high-score file</source>
        <translation>ce n&apos;est pas un fichier de meilleurs scores de Lettro</translation>
    </message>
    <message>
        <source>it was written by another version of Lettro (format %1)</source>
        <translation>il a été écrit par une autre version de Lettro (format %1)</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la ligne %1 est endommagée</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Grille du jour</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>Lettro High Scores</source>
        <translation>Meilleurs scores de Lettro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvés</translation>
    </message>
    <message>
        <source>Change &amp;Name...</source>
        <translation>Changer de &amp;nom...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partie :</translation>
    </message>
    <message>
        <source>Player: not chosen yet</source>
        <translation>Joueur : pas encore choisi</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Joueur : %1</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game kept at the last quit (%1) could not be used: %2.%3</source>
        <translation>La partie gardée à la dernière fermeture (%1) n&apos;a pas pu être reprise : %2.%3</translation>
    </message>
    <message>
        <source>

It could not be moved aside.</source>
        <translation>

Elle n&apos;a pas pu être mise de côté.</translation>
    </message>
    <message>
        <source>

It has been kept as %1.</source>
        <translation>

Elle a été conservée sous %1.</translation>
    </message>
    <message>
        <source>The game kept at the last quit could not be resumed: its board language is not available.</source>
        <translation>La partie gardée à la dernière fermeture n&apos;a pas pu reprendre : sa langue de grille n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Shake the dice and start a new game</source>
        <translation>Secouer les dés et commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Mettre la partie en pause</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminer la partie</translation>
    </message>
    <message>
        <source>End the game now</source>
        <translation>Terminer la partie maintenant</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Time, game type, players, word sizes and more</source>
        <translation>Durée, type de partie, joueurs, longueur des mots et plus</translation>
    </message>
    <message>
        <source>Dictionary Editor</source>
        <translation>Éditeur de dictionnaire</translation>
    </message>
    <message>
        <source>Browse and edit the dictionary</source>
        <translation>Parcourir et modifier le dictionnaire</translation>
    </message>
    <message>
        <source>Network Game</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <source>Play with others on the local network</source>
        <translation>Jouer avec d&apos;autres sur le réseau local</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Exit Lettro</source>
        <translation>Quitter Lettro</translation>
    </message>
    <message>
        <source>Leave Lettro</source>
        <translation>Fermer Lettro</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>WARNING - undefined message received from </source>
        <translation>ATTENTION - message inconnu reçu de </translation>
    </message>
    <message>
        <source>Can&apos;t start the game without another player!</source>
        <translation>Impossible de commencer la partie sans un autre joueur !</translation>
    </message>
    <message>
        <source>Sending game data to players...</source>
        <translation>Envoi des données de la partie aux joueurs...</translation>
    </message>
    <message>
        <source>Notifying game players...</source>
        <translation>Avertissement des joueurs...</translation>
    </message>
    <message>
        <source>Notifying game host...</source>
        <translation>Avertissement de l&apos;hôte...</translation>
    </message>
    <message>
        <source>Select the player to boot, then press &apos;Boot Player&apos; again</source>
        <translation>Sélectionnez le joueur à exclure, puis cliquez de nouveau sur « Exclure le joueur »</translation>
    </message>
    <message>
        <source>Are you sure you want to boot %1?</source>
        <translation>Voulez-vous vraiment exclure %1 ?</translation>
    </message>
    <message>
        <source>Waiting for results from players...</source>
        <translation>Attente des résultats des joueurs...</translation>
    </message>
    <message>
        <source>Listening for players...</source>
        <translation>En attente de joueurs...</translation>
    </message>
    <message>
        <source>Sending results to players...</source>
        <translation>Envoi des résultats aux joueurs...</translation>
    </message>
    <message>
        <source>Failure with initialize of Lettro networking service.</source>
        <translation>Échec de l&apos;initialisation du service réseau de Lettro.</translation>
    </message>
    <message>
        <source>Unknown game state</source>
        <translation>État de partie inconnu</translation>
    </message>
    <message>
        <source>WARNING - undefined acknowledgement received from </source>
        <translation>ATTENTION - accusé de réception inconnu reçu de </translation>
    </message>
    <message>
        <source>The host did not let you join its game.</source>
        <translation>L&apos;hôte ne vous a pas laissé rejoindre sa partie.</translation>
    </message>
    <message>
        <source>Host is ending your game...</source>
        <translation>L&apos;hôte termine votre partie...</translation>
    </message>
    <message>
        <source>Ready - synchronizing with host...</source>
        <translation>Prêt - synchronisation avec l&apos;hôte...</translation>
    </message>
    <message>
        <source>Found host, connecting to %1...</source>
        <translation>Hôte trouvé, connexion à %1...</translation>
    </message>
    <message>
        <source>Incompatible Lettro version</source>
        <translation>Version de Lettro incompatible</translation>
    </message>
    <message>
        <source>Host is now playing a new game.  Your game is over.</source>
        <translation>L&apos;hôte joue maintenant une nouvelle partie.  Votre partie est terminée.</translation>
    </message>
    <message>
        <source>Received WT message from client in incorrect state, ignored</source>
        <translation>Message WT reçu d&apos;un client dans un état incorrect, ignoré</translation>
    </message>
    <message>
        <source>Searching for game host...</source>
        <translation>Recherche de l&apos;hôte de la partie...</translation>
    </message>
    <message>
        <source>Port 20000 is in use here, so no host can answer a search: use Connect... to name the host</source>
        <translation>Le port 20000 est déjà utilisé ici, aucun hôte ne peut donc répondre à une recherche : utilisez Se connecter... pour nommer l&apos;hôte</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Héberger une partie</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Rejoindre une partie</translation>
    </message>
    <message>
        <source>Enter PC network name or IP address</source>
        <translation>Entrez le nom réseau du PC ou son adresse IP</translation>
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
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Looking for %1...</source>
        <translation>Recherche de %1...</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Lettro Networking</source>
        <translation>Lettro en réseau</translation>
    </message>
    <message>
        <source>&amp;Repeat Letters</source>
        <translation>&amp;Lettres répétées</translation>
    </message>
    <message>
        <source>&amp;Min Word Size</source>
        <translation>Longueur &amp;min. des mots</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Nombre de mots</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>Se &amp;connecter...</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Nouvelle &amp;partie</translation>
    </message>
    <message>
        <source>&amp;Boot Player</source>
        <translation>&amp;Exclure le joueur</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Add Computer Player</source>
        <translation>&amp;Ajouter un joueur ordinateur</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Type de partie</translation>
    </message>
    <message>
        <source>Game T&amp;ime</source>
        <translation>&amp;Durée de la partie</translation>
    </message>
    <message>
        <source>Board language: %1</source>
        <translation>Langue de la grille : %1</translation>
    </message>
</context>
<context>
    <name>Opponents</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Against %1 computers: %2 won, %3 lost, %4 tied</source>
        <translation>Contre les ordinateurs de niveau %1 : %2 gagnées, %3 perdues, %4 nulles</translation>
    </message>
    <message>
        <source>No games against the computer yet</source>
        <translation>Aucune partie contre l&apos;ordinateur pour l&apos;instant</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Ordinateur %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Are you sure you want to remove words longer than %1 letters from the dictionary?</source>
        <translation>Voulez-vous vraiment supprimer du dictionnaire les mots de plus de %1 lettres ?</translation>
    </message>
    <message>
        <source>Changing the game type now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Changer le type de partie maintenant abandonnera la partie en cours.  Voulez-vous vraiment le faire ?</translation>
    </message>
    <message>
        <source>Changing the game mode now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Changer le mode de jeu maintenant abandonnera la partie en cours.  Voulez-vous vraiment le faire ?</translation>
    </message>
    <message>
        <source>Changing the board language now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Changer la langue de la grille maintenant abandonnera la partie en cours.  Voulez-vous vraiment le faire ?</translation>
    </message>
    <message>
        <source>Changing the minimum word size now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Changer la longueur minimale des mots maintenant arrêtera la partie en cours.  Voulez-vous vraiment le faire ?</translation>
    </message>
    <message>
        <source>Changing the repeat letters setting now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Changer le réglage des lettres répétées maintenant arrêtera la partie en cours.  Voulez-vous vraiment le faire ?</translation>
    </message>
    <message>
        <source>Entering a network game now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Entrer dans une partie en réseau maintenant abandonnera la partie en cours.  Voulez-vous vraiment le faire ?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Lettro Options</source>
        <translation>Options de Lettro</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de partie</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Durée de la partie</translation>
    </message>
    <message>
        <source>Number of Words in Game</source>
        <translation>Nombre de mots dans la grille</translation>
    </message>
    <message>
        <source>Computer opponents</source>
        <translation>Adversaires ordinateur</translation>
    </message>
    <message>
        <source>Computer strength</source>
        <translation>Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Min Word Size</source>
        <translation>Longueur minimale des mots</translation>
    </message>
    <message>
        <source>Max Word Size</source>
        <translation>Longueur maximale des mots</translation>
    </message>
    <message>
        <source>Allow Repeated Letters</source>
        <translation>Autoriser les lettres répétées</translation>
    </message>
    <message>
        <source>Board language</source>
        <translation>Langue de la grille</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Show Unused Words Only</source>
        <translation>Afficher seulement les mots non trouvés</translation>
    </message>
    <message>
        <source>Left Handed Display</source>
        <translation>Affichage pour gaucher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>A new interface language applies at the next start.</source>
        <translation>Une nouvelle langue d&apos;interface s&apos;applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Show where the word can go</source>
        <translation>Montrer où le mot peut se placer</translation>
    </message>
</context>
<context>
    <name>PlayBoardDialog</name>
    <message>
        <source>Play a Board</source>
        <translation>Jouer une grille</translation>
    </message>
    <message>
        <source>A board code, as the results&apos; Copy Board Code gives it, or the 16 letters of a board row by row (Q for the Qu cube):</source>
        <translation>Un code de grille, tel que le donne Copier le code de la grille dans les résultats, ou les 16 lettres d&apos;une grille rangée par rangée (Q pour le cube Qu) :</translation>
    </message>
    <message>
        <source>A code plays with its own settings; typed letters with yours.</source>
        <translation>Un code se joue avec ses propres réglages ; des lettres tapées, avec les vôtres.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This board cannot be played now: not during a network game, and only in a board language Lettro has a dictionary for.</source>
        <translation>Cette grille ne peut pas être jouée maintenant : pas pendant une partie en réseau, et seulement dans une langue de grille pour laquelle Lettro a un dictionnaire.</translation>
    </message>
</context>
<context>
    <name>PlayerStatus</name>
    <message>
        <source>Waiting for players</source>
        <translation>En attente de joueurs</translation>
    </message>
    <message>
        <source>Sending game data</source>
        <translation>Envoi des données de la partie</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Prêt à commencer</translation>
    </message>
    <message>
        <source>Playing game</source>
        <translation>En cours de partie</translation>
    </message>
    <message>
        <source>Finished game</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Waiting for results</source>
        <translation>En attente des résultats</translation>
    </message>
    <message>
        <source>Sending results</source>
        <translation>Envoi des résultats</translation>
    </message>
    <message>
        <source>Reviewing results</source>
        <translation>Consultation des résultats</translation>
    </message>
    <message>
        <source>Left game</source>
        <translation>A quitté la partie</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>it was written by a newer Lettro</source>
        <translation>il a été écrit par une version plus récente de Lettro</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It has been kept as %3, and your progress is recorded in a new file from now on.</source>
        <translation>Le fichier de progression %1 n&apos;a pas pu être utilisé : %2.

Il a été gardé sous le nom %3, et votre progression est désormais enregistrée dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the games of this session are not recorded.</source>
        <translation>Le fichier de progression %1 n&apos;a pas pu être utilisé : %2.

Il n&apos;a pas non plus pu être mis de côté : il reste tel quel et les parties de cette session ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program, so this game is not recorded yet: Lettro tries again after each game.</source>
        <translation>Le fichier de progression %1 est utilisé par un autre programme, cette partie n&apos;est donc pas encore enregistrée : Lettro réessaie après chaque partie.</translation>
    </message>
    <message>
        <source>Your progress could not be recorded in %1: %2. Lettro tries again after each game.</source>
        <translation>Votre progression n&apos;a pas pu être enregistrée dans %1 : %2. Lettro réessaie après chaque partie.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>No games yet</source>
        <translation>Aucune partie pour l&apos;instant</translation>
    </message>
    <message>
        <source>mean %1%2</source>
        <translation>moyenne %1%2</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvés</translation>
    </message>
    <message>
        <source>on the boards</source>
        <translation>sur les grilles</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>lettres</translation>
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
        <translation>Fusion des mots...</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Boards cannot be solved during a network game.</source>
        <translation>Les grilles ne peuvent pas être résolues pendant une partie en réseau.</translation>
    </message>
    <message>
        <source>A board in another language can be solved once this game is over.</source>
        <translation>Une grille dans une autre langue pourra être résolue une fois cette partie terminée.</translation>
    </message>
    <message>
        <source>The board&apos;s language cannot be put in play.</source>
        <translation>La langue de la grille ne peut pas être mise en jeu.</translation>
    </message>
    <message>
        <source>The board of the day cannot be played now: its language is not available.</source>
        <translation>La grille du jour ne peut pas être jouée maintenant : sa langue n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>You have played today&apos;s board already: %1 points, %2 of its %3 words.

%4

A new board comes tomorrow. See all the words of today&apos;s?</source>
        <translation>Vous avez déjà joué la grille d&apos;aujourd&apos;hui : %1 points, %2 de ses %3 mots.

%4

Une nouvelle grille arrive demain. Voir tous les mots de celle d&apos;aujourd&apos;hui ?</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Grille du jour</translation>
    </message>
    <message>
        <source>No streak of boards of the day yet; play one a day to start one.</source>
        <translation>Pas encore de série de grilles du jour ; jouez-en une par jour pour en commencer une.</translation>
    </message>
    <message>
        <source>Streak: %1 in a row with the board of the day (longest %2).</source>
        <translation>Série : %1 d&apos;affilée avec la grille du jour (la plus longue : %2).</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frénétique</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>, %1+ letters</source>
        <translation>, %1+ lettres</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, répétitions</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminer la partie</translation>
    </message>
    <message>
        <source>&amp;Last Results</source>
        <translation>&amp;Derniers résultats</translation>
    </message>
    <message>
        <source>Play a &amp;Board...</source>
        <translation>&amp;Jouer une grille...</translation>
    </message>
    <message>
        <source>Board of the &amp;Day</source>
        <translation>&amp;Grille du jour</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>Progr&amp;ession...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Network Game...</source>
        <translation>Partie en &amp;réseau...</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Meilleurs scores...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Editor...</source>
        <translation>&amp;Éditeur...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Lettro</source>
        <translation>À &amp;propos de Lettro</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, trouvé</translation>
    </message>
    <message>
        <source>About Lettro</source>
        <translation>À propos de Lettro</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>You must select a word in the &apos;undefined&apos; list first</source>
        <translation>Vous devez d&apos;abord sélectionner un mot dans la liste « Non reconnus »</translation>
    </message>
    <message>
        <source>You must select a word in the &apos;dictionary&apos; list first</source>
        <translation>Vous devez d&apos;abord sélectionner un mot dans la liste « Les mots de Lettro »</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Your Words</source>
        <translation>Vos mots</translation>
    </message>
    <message>
        <source>Lettro&apos;s Words</source>
        <translation>Les mots de Lettro</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Remove from Dictionary</source>
        <translation>Retirer du dictionnaire</translation>
    </message>
    <message>
        <source>Copy Board Code</source>
        <translation>Copier le code de la grille</translation>
    </message>
    <message>
        <source>The board and its settings as a short code: Game &gt; Play a Board in any Lettro plays the same game.</source>
        <translation>La grille et ses réglages sous forme de code court : Jeu &gt; Jouer une grille dans n&apos;importe quel Lettro joue la même partie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board of the day, %1.</source>
        <translation>Grille du jour, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Lettro Results</source>
        <translation>Résultats de Lettro</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>Nb de mots</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>Nb non reconnus</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvés</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Points for each word of this length</source>
        <translation>Points pour chaque mot de cette longueur</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Take back the last change to the dictionary</source>
        <translation>Annuler la dernière modification du dictionnaire</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found out of %2 (%3%)</source>
        <translation>%1 trouvés sur %2 (%3%)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 trouvés</translation>
    </message>
    <message>
        <source>Score is %1 out of %2 (%3%)</source>
        <translation>Score : %1 sur %2 (%3%)</translation>
    </message>
    <message>
        <source>Score is %1</source>
        <translation>Score : %1</translation>
    </message>
    <message>
        <source>%1 not in dictionary</source>
        <translation>%1 hors du dictionnaire</translation>
    </message>
    <message>
        <source>%1 = Player 1 score</source>
        <translation>%1 = score du joueur 1</translation>
    </message>
    <message>
        <source>%1 = Player 2 score</source>
        <translation>%1 = score du joueur 2</translation>
    </message>
    <message>
        <source>Tie Game!!!</source>
        <translation>Égalité !!!</translation>
    </message>
    <message>
        <source>Player 1 Wins</source>
        <translation>Le joueur 1 gagne</translation>
    </message>
    <message>
        <source>Player 2 Wins</source>
        <translation>Le joueur 2 gagne</translation>
    </message>
    <message>
        <source>Your score = %1</source>
        <translation>Votre score = %1</translation>
    </message>
    <message>
        <source>High score = %1</source>
        <translation>Meilleur score = %1</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>%1 players tie</source>
        <translation>%1 joueurs à égalité</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>%1 seulement</translation>
    </message>
    <message>
        <source>%1 undefined</source>
        <translation>%1 non reconnus</translation>
    </message>
    <message>
        <source>Defined</source>
        <translation>Reconnus</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non reconnus</translation>
    </message>
    <message>
        <source>Player 1 Only</source>
        <translation>Joueur 1 seulement</translation>
    </message>
    <message>
        <source>Common Words</source>
        <translation>Mots communs</translation>
    </message>
    <message>
        <source>Player 1 Undefined</source>
        <translation>Joueur 1 non reconnus</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Tous les mots</translation>
    </message>
    <message>
        <source>Unused Words</source>
        <translation>Mots non trouvés</translation>
    </message>
    <message>
        <source>Player 2 Only</source>
        <translation>Joueur 2 seulement</translation>
    </message>
    <message>
        <source>Player 2 Undefined</source>
        <translation>Joueur 2 non reconnus</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>Nb de mots</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>Nb non reconnus</translation>
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
        <translation>Frénétique</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>No limits</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Indifférent</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Plus de %1</translation>
    </message>
    <message>
        <source>Less than %1</source>
        <translation>Moins de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n lettre</numerusform>
            <numerusform>%n lettres</numerusform>
        </translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La langue du bureau</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>WARNING - dictionary is limited to words that have no more than %1 letters, resetting Max Word Size option</source>
        <translation>ATTENTION - le dictionnaire est limité aux mots de %1 lettres au plus, l&apos;option Longueur maximale des mots est réinitialisée</translation>
    </message>
    <message>
        <source>Dictionary contains words longer than %1 letters, is it OK to remove the longer words from the dictionary?</source>
        <translation>Le dictionnaire contient des mots de plus de %1 lettres, voulez-vous retirer ces mots plus longs du dictionnaire ?</translation>
    </message>
    <message>
        <source>Setting Max Word Size option to %1 letters</source>
        <translation>L&apos;option Longueur maximale des mots passe à %1 lettres</translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message>
        <source>Lettro - All Words of a Board</source>
        <translation>Lettro - Tous les mots d&apos;une grille</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Tous les mots</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board language %1, %2 %3, words of %4 letters or more%5.</source>
        <translation>Langue de la grille %1, %2 %3, mots de %4 lettres ou plus%5.</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frénétique</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>, cubes repeated</source>
        <translation>, cubes répétés</translation>
    </message>
    <message>
        <source>Board code: %1</source>
        <translation>Code de la grille : %1</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <translation>%1, %2 en tout.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
</context>
</TS>
