// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestApp.h"

#include "core/game/Game.h"
#include "engine/BoardText.h"

#include <utility>

#include <gtest/gtest.h>

TestApp::TestApp(const std::vector<std::string>& words) : app(desktop)
{
    program.ProgramFolder = folder.path().toStdString();
    program.settings = std::make_unique<engine::SettingsStore>(program.ProgramFolder);
    engine::Engine dict;
    for (const std::string& w : words)
        dict.cDictionaryAdd(w);
    EXPECT_TRUE(dict.cWriteBinaryDictionary(folder.filePath("Dictionary.dat").toStdString()).ok());
}

void TestApp::startUp()
{
    app.startUp();
}

void TestApp::placeBoard(std::string board)
{
    // A joined network player plays the board it is given: the same path for a test.
    const int saved = std::exchange(program.game.GameMode, NetworkPlayer);
    program.board.EngineWordCount =
        program.engine.cCheckForAllDefinedWords(engine::boardFromText(board).value_or(""));
    program.board.BoardWords.clear();
    for (int i = 0; i < program.board.EngineWordCount; ++i)
        program.board.BoardWords.push_back(program.engine.cGetDefinedWord(i));
    app.run([&] { Game::SetUpBoard(program, board); });
    program.game.GameMode = saved;
}
