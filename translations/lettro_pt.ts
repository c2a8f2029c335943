<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>BoardCode</name>
    <message>
        <source>A board code holds only letters, digits and dashes; a board, only its 16 letters.</source>
        <translation>Um código de tabuleiro só contém letras, algarismos e hífenes; um tabuleiro, só as suas 16 letras.</translation>
    </message>
    <message>
        <source>Type a board code, or the 16 letters of a board row by row.</source>
        <translation>Escreva um código de tabuleiro, ou as 16 letras de um tabuleiro linha a linha.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is 16 with digits; a board code starts with its version, 1.</source>
        <translation>Um tabuleiro tem 16 letras (Q para Qu), e este tem 16 com algarismos; um código de tabuleiro começa pela sua versão, 1.</translation>
    </message>
    <message>
        <source>A board is 16 letters (Q for Qu), and this is %1; a board code starts with its version, 1.</source>
        <translation>Um tabuleiro tem 16 letras (Q para Qu), e este tem %1; um código de tabuleiro começa pela sua versão, 1.</translation>
    </message>
    <message>
        <source>This board code is of version %1, which this Lettro cannot read: it reads version 1 codes.</source>
        <translation>Este código de tabuleiro é da versão %1, que este Lettro não consegue ler: lê códigos da versão 1.</translation>
    </message>
    <message>
        <source>A board code has %1 letters and digits, not counting dashes; this one has %2. Is a part missing?</source>
        <translation>Um código de tabuleiro tem %1 letras e algarismos, sem contar os hífenes; este tem %2. Falta alguma parte?</translation>
    </message>
    <message>
        <source>This board code has a typo: its letters do not match its last character. Check it letter by letter.</source>
        <translation>Este código de tabuleiro tem um erro de escrita: as suas letras não condizem com o último carácter. Verifique-o letra a letra.</translation>
    </message>
    <message>
        <source>This board code is for a board language this Lettro does not have (%1).</source>
        <translation>Este código de tabuleiro é de um idioma do tabuleiro que este Lettro não tem (%1).</translation>
    </message>
    <message>
        <source>This is not a board code Lettro made.</source>
        <translation>Isto não é um código de tabuleiro criado pelo Lettro.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lettro, a word game with letter dice.</source>
        <translation>Lettro, um jogo de palavras com dados de letras.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Shake the dice from seed &lt;N&gt; (0 to 4294967295): the same boards in the same order every time, for replays and tests.</source>
        <translation>Agita os dados a partir da semente &lt;N&gt; (de 0 a 4294967295): os mesmos tabuleiros pela mesma ordem todas as vezes, para repetições e testes.</translation>
    </message>
    <message>
        <source>Play on the network from IPv4 address &lt;A&gt; (default: $LETTRO_ADDRESS, else every interface); copies on one machine each take their own 127.0.0.x.</source>
        <translation>Joga em rede a partir do endereço IPv4 &lt;A&gt; (predefinição: $LETTRO_ADDRESS, senão todas as interfaces); as cópias numa mesma máquina usam cada uma o seu 127.0.0.x.</translation>
    </message>
    <message>
        <source>Play in board language &lt;XX&gt; this time: en, fr, de, es, it, pt or nl (default: the one chosen in the options).</source>
        <translation>Joga desta vez no idioma do tabuleiro &lt;XX&gt;: en, fr, de, es, it, pt ou nl (predefinição: o escolhido nas opções).</translation>
    </message>
    <message>
        <source>Start by playing the board of board code &lt;CODE&gt; with its settings, or 16 letters row by row (Q for Qu) with your own.</source>
        <translation>Começa por jogar o tabuleiro do código de tabuleiro &lt;CODE&gt; com as suas definições, ou 16 letras linha a linha (Q para Qu) com as suas próprias.</translation>
    </message>
    <message>
        <source>Show the windows in language &lt;XX&gt;: en, fr, de, es, it, pt or nl (default: the one chosen in the options, else the desktop&apos;s).</source>
        <translation>Mostra as janelas no idioma &lt;XX&gt;: en, fr, de, es, it, pt ou nl (predefinição: o escolhido nas opções, senão o do ambiente de trabalho).</translation>
    </message>
</context>
<context>
    <name>DefinitionPanel</name>
    <message>
        <source>“%1” on Wiktionary</source>
        <translation>“%1” no Wikcionário</translation>
    </message>
</context>
<context>
    <name>Definitions</name>
    <message>
        <source>No definition here</source>
        <translation>Sem definição aqui</translation>
    </message>
    <message>
        <source>Definitions in %1 come with the package %2.</source>
        <translation>As definições (%1) vêm com o pacote %2.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandês</translation>
    </message>
    <message>
        <source>Definitions are read from Debian packages where they are installed; Lettro ships none of their data.
English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 licence (package wordnet-base).
French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into English, copyright the FreeDict contributors, under the GNU GPL version 2 or later (packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).</source>
        <translation>As definições são lidas dos pacotes Debian onde estão instalados; o Lettro não inclui nenhum dos seus dados.
Inglês: WordNet 3.0, copyright 2006 Princeton University, sob a licença WordNet 3.0 (pacote wordnet-base).
Francês, espanhol, italiano, português e neerlandês: os dicionários FreeDict para inglês, copyright dos colaboradores do FreeDict, sob a GNU GPL versão 2 ou posterior (pacotes dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, dict-freedict-por-eng, dict-freedict-nld-eng).
Alemão: o dicionário FreeDict alemão-inglês, copyright Frank Richter e Einhard Leichtfuß, sob a GNU GPL versão 3 ou posterior (pacote dict-freedict-deu-eng).</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with the dictionary it came with, %3; the damaged file is kept as %1.unreadable when the dictionary is next saved.</source>
        <translation>Não foi possível carregar o ficheiro do dicionário %1: %2.

O Lettro vai começar com o dicionário que traz de origem, %3; o ficheiro danificado será guardado como %1.unreadable da próxima vez que o dicionário for guardado.</translation>
    </message>
    <message>
        <source>The dictionary file %1 could not be loaded: %2.

Lettro will start with an empty dictionary, so no board will hold any words until words are added or merged in the Dictionary Editor.</source>
        <translation>Não foi possível carregar o ficheiro do dicionário %1: %2.

O Lettro vai começar com um dicionário vazio, por isso nenhum tabuleiro terá palavras até que sejam adicionadas ou juntadas palavras no Editor do dicionário.</translation>
    </message>
    <message>
        <source>The dictionary was not saved: the unreadable file %1 could not be kept as %2 before being replaced.</source>
        <translation>O dicionário não foi guardado: não foi possível guardar o ficheiro ilegível %1 como %2 antes de o substituir.</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to %1: %2.

The file was left as it was, so your changes to the dictionary are not in it.</source>
        <translation>Não foi possível guardar o dicionário em %1: %2.

O ficheiro ficou como estava, por isso não contém as suas alterações ao dicionário.</translation>
    </message>
    <message>
        <source>Dictionary has been updated, do you want to save it?</source>
        <translation>O dicionário foi alterado, deseja guardá-lo?</translation>
    </message>
    <message>
        <source>Save dictionary?</source>
        <translation>Guardar o dicionário?</translation>
    </message>
</context>
<context>
    <name>DictionaryEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Juntar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Starting letters</source>
        <translation>&amp;Letras iniciais</translation>
    </message>
    <message>
        <source>&amp;New word</source>
        <translation>&amp;Nova palavra</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Procurar</translation>
    </message>
    <message>
        <source>The word file is larger than %1 MiB: only its first %1 MiB were merged.</source>
        <translation>O ficheiro de palavras tem mais de %1 MiB: só foram juntados os primeiros %1 MiB.</translation>
    </message>
    <message>
        <source>%1 words added, %2 lines skipped</source>
        <translation>%1 palavras adicionadas, %2 linhas ignoradas</translation>
    </message>
    <message>
        <source>Words must be 3 to 16 letters long.</source>
        <translation>As palavras têm de ter de 3 a 16 letras.</translation>
    </message>
    <message>
        <source>Word has a non-alphabetic character, no added.</source>
        <translation>A palavra tem um carácter não alfabético, não foi adicionada.</translation>
    </message>
    <message>
        <source>You must select a word to remove.</source>
        <translation>Tem de selecionar uma palavra para remover.</translation>
    </message>
    <message>
        <source>Clear the dictionary?</source>
        <translation>Limpar o dicionário?</translation>
    </message>
    <message>
        <source>The word file %1 could not be opened.</source>
        <translation>Não foi possível abrir o ficheiro de palavras %1.</translation>
    </message>
    <message>
        <source>The word file %1 could not be written.</source>
        <translation>Não foi possível escrever o ficheiro de palavras %1.</translation>
    </message>
    <message>
        <source>Lettro Dictionary</source>
        <translation>Dicionário do Lettro</translation>
    </message>
    <message>
        <source>Merge a Word File</source>
        <translation>Juntar um ficheiro de palavras</translation>
    </message>
    <message>
        <source>All Files (*);;Text Files (*.txt)</source>
        <translation>Todos os ficheiros (*);;Ficheiros de texto (*.txt)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Ficheiros de texto (*.txt)</translation>
    </message>
    <message>
        <source>Save the Dictionary as a Word File</source>
        <translation>Guardar o dicionário como ficheiro de palavras</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palavras</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Put back the word removed last</source>
        <translation>Repor a última palavra removida</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Score so far: %1 (%2)</source>
        <translation>Pontuação até agora: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 2 - Hit OK when ready to start game.</source>
        <translation>Jogador 2 - Clique em OK quando estiver pronto para começar o jogo.</translation>
    </message>
    <message>
        <source>Player 1 - Hit OK when ready to start game.</source>
        <translation>Jogador 1 - Clique em OK quando estiver pronto para começar o jogo.</translation>
    </message>
    <message>
        <source>Hit OK when ready to start game.</source>
        <translation>Clique em OK quando estiver pronto para começar o jogo.</translation>
    </message>
    <message>
        <source>Hit OK when ready to resume.</source>
        <translation>Clique em OK quando estiver pronto para continuar.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <translation>Jogo em pausa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim do jogo</translation>
    </message>
    <message>
        <source>+%1 s</source>
        <translation>+%1 s</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message numerus="yes">
        <source>%n words entered</source>
        <translation>
            <numerusform>%n palavra introduzida</numerusform>
            <numerusform>%n palavras introduzidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lettro found %n words</source>
        <translation>
            <numerusform>O Lettro encontrou %n palavra</numerusform>
            <numerusform>O Lettro encontrou %n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Introduzir</translation>
    </message>
</context>
<context>
    <name>GameProgressWindow</name>
    <message>
        <source>Lettro Progress</source>
        <translation>Progresso do Lettro</translation>
    </message>
    <message>
        <source>Points, game by game</source>
        <translation>Pontos, jogo a jogo</translation>
    </message>
    <message>
        <source>Share of the board&apos;s words found</source>
        <translation>Parte das palavras do tabuleiro encontradas</translation>
    </message>
    <message>
        <source>Words by length</source>
        <translation>Palavras por tamanho</translation>
    </message>
    <message>
        <source>Boards of the day played</source>
        <translation>Tabuleiros do dia jogados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Board language:</source>
        <translation>Idioma do tabuleiro:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Definições:</translation>
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
        <translation>Série: %1 seguidos; a mais longa %2.</translation>
    </message>
    <message>
        <source>No finished games recorded with these filters yet. Every finished single-player game is recorded.</source>
        <translation>Ainda não há jogos terminados registados com estes filtros. Todos os jogos de um jogador terminados são registados.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; %4 points on average, %5 at best.</source>
        <translation>%1 de %2 a %3; %4 pontos em média, %5 no máximo.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>

The board language in play, %1, has a word list of its own, used under the notice shown in full under Show Details (and in words-%2-LICENSE.txt).</source>
        <translation>

O idioma do tabuleiro em jogo, %1, tem uma lista de palavras própria, usada nos termos do aviso mostrado por inteiro em Mostrar detalhes (e em words-%2-LICENSE.txt).</translation>
    </message>
    <message>
        <source>

A word game: find the words hidden in a board of shaken letter dice before the clock runs out, alone, against a friend or over the network.

Lettro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) for details.

The word list is taken from SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and others, used under their permission notices, which are in words-LICENSE.txt.</source>
        <translation>

Um jogo de palavras: encontre as palavras escondidas num tabuleiro de dados de letras agitados antes de o tempo acabar, sozinho, contra um amigo ou em rede.

O Lettro é software livre: pode redistribuí-lo e/ou modificá-lo nos termos da GNU General Public License, versão 3 ou (à sua escolha) qualquer versão posterior. É fornecido ABSOLUTAMENTE SEM QUALQUER GARANTIA; consulte a licença (LICENSE) para mais pormenores.

A lista de palavras foi retirada do SCOWL (Spell Checker Oriented Word Lists), copyright 2000-2011 Kevin Atkinson, com partes copyright 1993 Geoff Kuenning, 1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) e outros, usada nos termos dos seus avisos de permissão, que estão em words-LICENSE.txt.</translation>
    </message>
    <message>
        <source>

Using Qt %1.</source>
        <translation>

A usar Qt %1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;&lt;p&gt;It is installed beside the Lettro program; reinstalling Lettro puts it back.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Página não encontrada&lt;/h2&gt;&lt;p&gt;Não foi possível encontrar a página de ajuda &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Está instalada junto ao programa Lettro; reinstalar o Lettro repõe-na.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Lettro Help</source>
        <translation>Ajuda do Lettro</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>The high scores could not be saved to %1: %2.</source>
        <translation>Não foi possível guardar as melhores pontuações em %1: %2.</translation>
    </message>
    <message>
        <source>Your name for the high scores:</source>
        <translation>O seu nome para as melhores pontuações:</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It has been kept as %3, and the high scores start again from an empty table.</source>
        <translation>Não foi possível usar o ficheiro das melhores pontuações %1: %2.

Foi guardado como %3, e as melhores pontuações recomeçam a partir de uma tabela vazia.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the high scores of this session will not be saved.</source>
        <translation>Não foi possível usar o ficheiro das melhores pontuações %1: %2.

Também não foi possível pô-lo de lado, por isso fica como está e as melhores pontuações desta sessão não serão guardadas.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nova melhor pontuação</translation>
    </message>
    <message>
        <source>Player&apos;s Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>it is too large to be a Lettro high-score file</source>
        <translation>é demasiado grande para ser um ficheiro de melhores pontuações do Lettro</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenético</translation>
    </message>
    <message>
        <source>Standard %1</source>
        <translation>Padrão %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is not a Lettro high-score file</source>
        <translation>não é um ficheiro de melhores pontuações do Lettro</translation>
    </message>
    <message>
        <source>it was written by another version of Lettro (format %1)</source>
        <translation>foi escrito por outra versão do Lettro (formato %1)</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>a linha %1 está danificada</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Tabuleiro do dia</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>Lettro High Scores</source>
        <translation>Melhores pontuações do Lettro</translation>
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
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Encontradas</translation>
    </message>
    <message>
        <source>Change &amp;Name...</source>
        <translation>Mudar &amp;nome...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jogo:</translation>
    </message>
    <message>
        <source>Player: not chosen yet</source>
        <translation>Jogador: ainda não escolhido</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jogador: %1</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>The game kept at the last quit (%1) could not be used: %2.%3</source>
        <translation>Não foi possível usar o jogo guardado na última saída (%1): %2.%3</translation>
    </message>
    <message>
        <source>

It could not be moved aside.</source>
        <translation>

Não foi possível pô-lo de parte.</translation>
    </message>
    <message>
        <source>

It has been kept as %1.</source>
        <translation>

Foi guardado como %1.</translation>
    </message>
    <message>
        <source>The game kept at the last quit could not be resumed: its board language is not available.</source>
        <translation>O jogo guardado na última saída não pôde ser retomado: a língua do tabuleiro não está disponível.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Shake the dice and start a new game</source>
        <translation>Agitar os dados e começar um novo jogo</translation>
    </message>
    <message>
        <source>Pause Game</source>
        <translation>Pausar jogo</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Pôr o jogo em pausa</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar jogo</translation>
    </message>
    <message>
        <source>End the game now</source>
        <translation>Terminar o jogo agora</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Time, game type, players, word sizes and more</source>
        <translation>Tempo, tipo de jogo, jogadores, tamanho das palavras e mais</translation>
    </message>
    <message>
        <source>Dictionary Editor</source>
        <translation>Editor do dicionário</translation>
    </message>
    <message>
        <source>Browse and edit the dictionary</source>
        <translation>Consultar e alterar o dicionário</translation>
    </message>
    <message>
        <source>Network Game</source>
        <translation>Jogo em rede</translation>
    </message>
    <message>
        <source>Play with others on the local network</source>
        <translation>Jogar com outros na rede local</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como se joga</translation>
    </message>
    <message>
        <source>Exit Lettro</source>
        <translation>Sair do Lettro</translation>
    </message>
    <message>
        <source>Leave Lettro</source>
        <translation>Fechar o Lettro</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Introduzir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>WARNING - undefined message received from </source>
        <translation>AVISO - mensagem não definida recebida de </translation>
    </message>
    <message>
        <source>Can&apos;t start the game without another player!</source>
        <translation>Não é possível começar o jogo sem outro jogador!</translation>
    </message>
    <message>
        <source>Sending game data to players...</source>
        <translation>A enviar os dados do jogo aos jogadores...</translation>
    </message>
    <message>
        <source>Notifying game players...</source>
        <translation>A avisar os jogadores...</translation>
    </message>
    <message>
        <source>Notifying game host...</source>
        <translation>A avisar o anfitrião...</translation>
    </message>
    <message>
        <source>Select the player to boot, then press &apos;Boot Player&apos; again</source>
        <translation>Selecione o jogador a expulsar e depois carregue de novo em &apos;Expulsar jogador&apos;</translation>
    </message>
    <message>
        <source>Are you sure you want to boot %1?</source>
        <translation>Tem a certeza de que quer expulsar %1?</translation>
    </message>
    <message>
        <source>Waiting for results from players...</source>
        <translation>À espera dos resultados dos jogadores...</translation>
    </message>
    <message>
        <source>Listening for players...</source>
        <translation>À espera de jogadores...</translation>
    </message>
    <message>
        <source>Sending results to players...</source>
        <translation>A enviar os resultados aos jogadores...</translation>
    </message>
    <message>
        <source>Failure with initialize of Lettro networking service.</source>
        <translation>Falha ao inicializar o serviço de rede do Lettro.</translation>
    </message>
    <message>
        <source>Unknown game state</source>
        <translation>Estado de jogo desconhecido</translation>
    </message>
    <message>
        <source>WARNING - undefined acknowledgement received from </source>
        <translation>AVISO - confirmação não definida recebida de </translation>
    </message>
    <message>
        <source>The host did not let you join its game.</source>
        <translation>O anfitrião não o deixou entrar no jogo dele.</translation>
    </message>
    <message>
        <source>Host is ending your game...</source>
        <translation>O anfitrião está a terminar o seu jogo...</translation>
    </message>
    <message>
        <source>Ready - synchronizing with host...</source>
        <translation>Pronto - a sincronizar com o anfitrião...</translation>
    </message>
    <message>
        <source>Found host, connecting to %1...</source>
        <translation>Anfitrião encontrado, a ligar a %1...</translation>
    </message>
    <message>
        <source>Incompatible Lettro version</source>
        <translation>Versão do Lettro incompatível</translation>
    </message>
    <message>
        <source>Host is now playing a new game.  Your game is over.</source>
        <translation>O anfitrião está agora a jogar um novo jogo.  O seu jogo acabou.</translation>
    </message>
    <message>
        <source>Received WT message from client in incorrect state, ignored</source>
        <translation>Mensagem WT recebida do cliente num estado incorreto, ignorada</translation>
    </message>
    <message>
        <source>Searching for game host...</source>
        <translation>À procura do anfitrião do jogo...</translation>
    </message>
    <message>
        <source>Port 20000 is in use here, so no host can answer a search: use Connect... to name the host</source>
        <translation>A porta 20000 está em uso aqui, por isso nenhum anfitrião pode responder a uma procura: use Ligar... para indicar o anfitrião</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Introduza o seu nome</translation>
    </message>
    <message>
        <source>Host game</source>
        <translation>Criar jogo</translation>
    </message>
    <message>
        <source>Join game</source>
        <translation>Entrar no jogo</translation>
    </message>
    <message>
        <source>Enter PC network name or IP address</source>
        <translation>Introduza o nome de rede do PC ou o endereço IP</translation>
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
        <translation>A ligar a %1...</translation>
    </message>
    <message>
        <source>Looking for %1...</source>
        <translation>À procura de %1...</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
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
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Lettro Networking</source>
        <translation>Lettro em rede</translation>
    </message>
    <message>
        <source>&amp;Repeat Letters</source>
        <translation>Letras &amp;repetidas</translation>
    </message>
    <message>
        <source>&amp;Min Word Size</source>
        <translation>Tamanho mí&amp;nimo</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palavras</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Ligar...</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar jogo</translation>
    </message>
    <message>
        <source>&amp;Boot Player</source>
        <translation>E&amp;xpulsar jogador</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Add Computer Player</source>
        <translation>&amp;Adicionar jogador do computador</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Tipo de jogo</translation>
    </message>
    <message>
        <source>Game T&amp;ime</source>
        <translation>&amp;Duração do jogo</translation>
    </message>
    <message>
        <source>Board language: %1</source>
        <translation>Idioma do tabuleiro: %1</translation>
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
        <translation>Contra computadores (%1): %2 ganhos, %3 perdidos, %4 empatados</translation>
    </message>
    <message>
        <source>No games against the computer yet</source>
        <translation>Ainda sem jogos contra o computador</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computador %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Are you sure you want to remove words longer than %1 letters from the dictionary?</source>
        <translation>Tem a certeza de que quer retirar do dicionário as palavras com mais de %1 letras?</translation>
    </message>
    <message>
        <source>Changing the game type now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Mudar agora o tipo de jogo vai interromper o jogo em curso.  Tem a certeza de que quer fazer isto?</translation>
    </message>
    <message>
        <source>Changing the game mode now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Mudar agora o modo de jogo vai interromper o jogo em curso.  Tem a certeza de que quer fazer isto?</translation>
    </message>
    <message>
        <source>Changing the board language now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Mudar agora o idioma do tabuleiro vai interromper o jogo em curso.  Tem a certeza de que quer fazer isto?</translation>
    </message>
    <message>
        <source>Changing the minimum word size now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Mudar agora o tamanho mínimo das palavras vai parar o jogo em curso.  Tem a certeza de que quer fazer isto?</translation>
    </message>
    <message>
        <source>Changing the repeat letters setting now will stop the current game.  Are you sure you want to do this?</source>
        <translation>Mudar agora a definição de letras repetidas vai parar o jogo em curso.  Tem a certeza de que quer fazer isto?</translation>
    </message>
    <message>
        <source>Entering a network game now will abort the current game.  Are you sure you want to do this?</source>
        <translation>Entrar agora num jogo em rede vai interromper o jogo em curso.  Tem a certeza de que quer fazer isto?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Lettro Options</source>
        <translation>Opções do Lettro</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo de jogo</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Game Time</source>
        <translation>Duração do jogo</translation>
    </message>
    <message>
        <source>Number of Words in Game</source>
        <translation>Número de palavras no jogo</translation>
    </message>
    <message>
        <source>Computer opponents</source>
        <translation>Adversários do computador</translation>
    </message>
    <message>
        <source>Computer strength</source>
        <translation>Nível do computador</translation>
    </message>
    <message>
        <source>Min Word Size</source>
        <translation>Tamanho mínimo das palavras</translation>
    </message>
    <message>
        <source>Max Word Size</source>
        <translation>Tamanho máximo das palavras</translation>
    </message>
    <message>
        <source>Allow Repeated Letters</source>
        <translation>Permitir letras repetidas</translation>
    </message>
    <message>
        <source>Board language</source>
        <translation>Idioma do tabuleiro</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Reproduzir sons</translation>
    </message>
    <message>
        <source>Show Unused Words Only</source>
        <translation>Mostrar só palavras não encontradas</translation>
    </message>
    <message>
        <source>Left Handed Display</source>
        <translation>Disposição para canhotos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message>
        <source>A new interface language applies at the next start.</source>
        <translation>Um novo idioma da interface aplica-se no próximo arranque.</translation>
    </message>
    <message>
        <source>Show where the word can go</source>
        <translation>Mostrar onde a palavra pode ficar</translation>
    </message>
</context>
<context>
    <name>PlayBoardDialog</name>
    <message>
        <source>Play a Board</source>
        <translation>Jogar um tabuleiro</translation>
    </message>
    <message>
        <source>A board code, as the results&apos; Copy Board Code gives it, or the 16 letters of a board row by row (Q for the Qu cube):</source>
        <translation>Um código de tabuleiro, tal como o dá Copiar código do tabuleiro nos resultados, ou as 16 letras de um tabuleiro fila a fila (Q para o cubo Qu):</translation>
    </message>
    <message>
        <source>A code plays with its own settings; typed letters with yours.</source>
        <translation>Um código joga-se com as definições dele; letras escritas, com as suas.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
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
        <translation>Este tabuleiro não pode ser jogado agora: não durante um jogo em rede, e só num idioma do tabuleiro para o qual o Lettro tenha dicionário.</translation>
    </message>
</context>
<context>
    <name>PlayerStatus</name>
    <message>
        <source>Waiting for players</source>
        <translation>À espera de jogadores</translation>
    </message>
    <message>
        <source>Sending game data</source>
        <translation>A enviar dados do jogo</translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation>Pronto para começar</translation>
    </message>
    <message>
        <source>Playing game</source>
        <translation>A jogar</translation>
    </message>
    <message>
        <source>Finished game</source>
        <translation>Jogo terminado</translation>
    </message>
    <message>
        <source>Waiting for results</source>
        <translation>À espera dos resultados</translation>
    </message>
    <message>
        <source>Sending results</source>
        <translation>A enviar resultados</translation>
    </message>
    <message>
        <source>Reviewing results</source>
        <translation>A rever resultados</translation>
    </message>
    <message>
        <source>Left game</source>
        <translation>Saiu do jogo</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>it was written by a newer Lettro</source>
        <translation>foi escrito por uma versão mais recente do Lettro</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It has been kept as %3, and your progress is recorded in a new file from now on.</source>
        <translation>Não foi possível usar o ficheiro de progresso %1: %2.

Foi guardado como %3, e o seu progresso passa a ser registado num novo ficheiro.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be used: %2.

It could not be moved aside either, so it is left as it is and the games of this session are not recorded.</source>
        <translation>Não foi possível usar o ficheiro de progresso %1: %2.

Também não foi possível pô-lo de lado, por isso fica como está e os jogos desta sessão não são registados.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program, so this game is not recorded yet: Lettro tries again after each game.</source>
        <translation>O ficheiro de progresso %1 está a ser usado por outro programa, por isso este jogo ainda não foi registado: o Lettro tenta de novo após cada jogo.</translation>
    </message>
    <message>
        <source>Your progress could not be recorded in %1: %2. Lettro tries again after each game.</source>
        <translation>Não foi possível registar o seu progresso em %1: %2. O Lettro tenta de novo após cada jogo.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n jogo</numerusform>
            <numerusform>%n jogos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>No games yet</source>
        <translation>Ainda sem jogos</translation>
    </message>
    <message>
        <source>mean %1%2</source>
        <translation>média %1%2</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontradas</translation>
    </message>
    <message>
        <source>on the boards</source>
        <translation>nos tabuleiros</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>letras</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Merging words...</source>
        <translation>A juntar palavras...</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Boards cannot be solved during a network game.</source>
        <translation>Não é possível resolver tabuleiros durante um jogo em rede.</translation>
    </message>
    <message>
        <source>A board in another language can be solved once this game is over.</source>
        <translation>Um tabuleiro noutro idioma pode ser resolvido quando este jogo acabar.</translation>
    </message>
    <message>
        <source>The board&apos;s language cannot be put in play.</source>
        <translation>O idioma do tabuleiro não pode ser posto em jogo.</translation>
    </message>
    <message>
        <source>The board of the day cannot be played now: its language is not available.</source>
        <translation>O tabuleiro do dia não pode ser jogado agora: o seu idioma não está disponível.</translation>
    </message>
    <message>
        <source>You have played today&apos;s board already: %1 points, %2 of its %3 words.

%4

A new board comes tomorrow. See all the words of today&apos;s?</source>
        <translation>Já jogou o tabuleiro de hoje: %1 pontos, %2 das suas %3 palavras.

%4

Amanhã chega um novo tabuleiro. Ver todas as palavras do de hoje?</translation>
    </message>
    <message>
        <source>Board of the Day</source>
        <translation>Tabuleiro do dia</translation>
    </message>
    <message>
        <source>No streak of boards of the day yet; play one a day to start one.</source>
        <translation>Ainda sem série de tabuleiros do dia; jogue um por dia para começar uma.</translation>
    </message>
    <message>
        <source>Streak: %1 in a row with the board of the day (longest %2).</source>
        <translation>Série: %1 seguidos com o tabuleiro do dia (a mais longa %2).</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenético</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>, %1+ letters</source>
        <translation>, %1+ letras</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, repetições</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar jogo</translation>
    </message>
    <message>
        <source>&amp;Pause Game</source>
        <translation>&amp;Pausar jogo</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminar jogo</translation>
    </message>
    <message>
        <source>&amp;Last Results</source>
        <translation>Ú&amp;ltimos resultados</translation>
    </message>
    <message>
        <source>Play a &amp;Board...</source>
        <translation>Jogar um ta&amp;buleiro...</translation>
    </message>
    <message>
        <source>Board of the &amp;Day</source>
        <translation>Tabuleiro do &amp;dia</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>Pro&amp;gresso...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;Network Game...</source>
        <translation>Jogo em &amp;rede...</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Melhores pontuações...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dicionário</translation>
    </message>
    <message>
        <source>&amp;Editor...</source>
        <translation>&amp;Editor...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;About Lettro</source>
        <translation>&amp;Acerca do Lettro</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, encontrada</translation>
    </message>
    <message>
        <source>About Lettro</source>
        <translation>Acerca do Lettro</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>You must select a word in the &apos;undefined&apos; list first</source>
        <translation>Tem de selecionar primeiro uma palavra na lista &apos;não válidas&apos;</translation>
    </message>
    <message>
        <source>You must select a word in the &apos;dictionary&apos; list first</source>
        <translation>Tem de selecionar primeiro uma palavra na lista &apos;dicionário&apos;</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Your Words</source>
        <translation>As suas palavras</translation>
    </message>
    <message>
        <source>Lettro&apos;s Words</source>
        <translation>Palavras do Lettro</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Adicionar ao dicionário</translation>
    </message>
    <message>
        <source>Remove from Dictionary</source>
        <translation>Remover do dicionário</translation>
    </message>
    <message>
        <source>Copy Board Code</source>
        <translation>Copiar código do tabuleiro</translation>
    </message>
    <message>
        <source>The board and its settings as a short code: Game &gt; Play a Board in any Lettro plays the same game.</source>
        <translation>O tabuleiro e as suas definições num código curto: Jogo &gt; Jogar um tabuleiro em qualquer Lettro joga o mesmo jogo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board of the day, %1.</source>
        <translation>Tabuleiro do dia, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Lettro Results</source>
        <translation>Resultados do Lettro</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>N.º de palavras</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>N.º não válidas</translation>
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
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Points for each word of this length</source>
        <translation>Pontos por cada palavra deste comprimento</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Take back the last change to the dictionary</source>
        <translation>Anular a última alteração ao dicionário</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found out of %2 (%3%)</source>
        <translation>%1 encontradas de %2 (%3%)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>Encontradas: %1</translation>
    </message>
    <message>
        <source>Score is %1 out of %2 (%3%)</source>
        <translation>Pontuação: %1 de %2 (%3%)</translation>
    </message>
    <message>
        <source>Score is %1</source>
        <translation>Pontuação: %1</translation>
    </message>
    <message>
        <source>%1 not in dictionary</source>
        <translation>Fora do dicionário: %1</translation>
    </message>
    <message>
        <source>%1 = Player 1 score</source>
        <translation>%1 = pontuação do jogador 1</translation>
    </message>
    <message>
        <source>%1 = Player 2 score</source>
        <translation>%1 = pontuação do jogador 2</translation>
    </message>
    <message>
        <source>Tie Game!!!</source>
        <translation>Empate!!!</translation>
    </message>
    <message>
        <source>Player 1 Wins</source>
        <translation>Ganha o jogador 1</translation>
    </message>
    <message>
        <source>Player 2 Wins</source>
        <translation>Ganha o jogador 2</translation>
    </message>
    <message>
        <source>Your score = %1</source>
        <translation>A sua pontuação = %1</translation>
    </message>
    <message>
        <source>High score = %1</source>
        <translation>Pontuação mais alta = %1</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>Ganha %1</translation>
    </message>
    <message>
        <source>%1 players tie</source>
        <translation>Empate entre %1 jogadores</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Só %1</translation>
    </message>
    <message>
        <source>%1 undefined</source>
        <translation>%1: não válidas</translation>
    </message>
    <message>
        <source>Defined</source>
        <translation>Válidas</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Não válidas</translation>
    </message>
    <message>
        <source>Player 1 Only</source>
        <translation>Só jogador 1</translation>
    </message>
    <message>
        <source>Common Words</source>
        <translation>Palavras comuns</translation>
    </message>
    <message>
        <source>Player 1 Undefined</source>
        <translation>Jogador 1: não válidas</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Todas as palavras</translation>
    </message>
    <message>
        <source>Unused Words</source>
        <translation>Palavras não encontradas</translation>
    </message>
    <message>
        <source>Player 2 Only</source>
        <translation>Só jogador 2</translation>
    </message>
    <message>
        <source>Player 2 Undefined</source>
        <translation>Jogador 2: não válidas</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
    <message>
        <source># of words</source>
        <translation>N.º de palavras</translation>
    </message>
    <message>
        <source># undefined</source>
        <translation>N.º não válidas</translation>
    </message>
</context>
<context>
    <name>SettingItem</name>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenético</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>No limits</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Qualquer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Mais de %1</translation>
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
        <translation>O idioma do ambiente de trabalho</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>WARNING - dictionary is limited to words that have no more than %1 letters, resetting Max Word Size option</source>
        <translation>AVISO - o dicionário está limitado a palavras com no máximo %1 letras, a opção Tamanho máximo das palavras vai ser reposta</translation>
    </message>
    <message>
        <source>Dictionary contains words longer than %1 letters, is it OK to remove the longer words from the dictionary?</source>
        <translation>O dicionário contém palavras com mais de %1 letras, pode retirar as palavras mais compridas do dicionário?</translation>
    </message>
    <message>
        <source>Setting Max Word Size option to %1 letters</source>
        <translation>A opção Tamanho máximo das palavras passa a %1 letras</translation>
    </message>
</context>
<context>
    <name>SolvedBoardWindow</name>
    <message>
        <source>Lettro - All Words of a Board</source>
        <translation>Lettro - Todas as palavras de um tabuleiro</translation>
    </message>
    <message>
        <source>All Words</source>
        <translation>Todas as palavras</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Board language %1, %2 %3, words of %4 letters or more%5.</source>
        <translation>Idioma do tabuleiro %1, %2 %3, palavras de %4 letras ou mais%5.</translation>
    </message>
    <message>
        <source>Frantic</source>
        <translation>Frenético</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>, cubes repeated</source>
        <translation>, cubos repetidos</translation>
    </message>
    <message>
        <source>Board code: %1</source>
        <translation>Código do tabuleiro: %1</translation>
    </message>
    <message>
        <source>%1, %2 in all.</source>
        <translation>%1, %2 no total.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
</context>
</TS>
