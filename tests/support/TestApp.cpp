// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestApp.h"

#include "engine/BoardText.h"
#include "windows/game/Common.h"

#include <utility>

#include <gtest/gtest.h>

TestApp::TestApp(const std::vector<std::string>& words) : app(desktop)
{
    app.ProgramFolder = folder.path().toStdString();
    app.settings = std::make_unique<engine::SettingsStore>(app.ProgramFolder);
    engine::Engine dict;
    for (const std::string& w : words)
        dict.cDictionaryAdd(w);
    EXPECT_TRUE(dict.cWriteBinaryDictionary(folder.filePath("Dictionary.dat").toStdString()).ok());
    window = std::make_unique<MainWindow>(app);
}

void TestApp::startUp()
{
    Common::StartUp(app);
}

void TestApp::placeBoard(std::string board)
{
    // A joined network player plays the board it is given: the same path for a test.
    const int saved = std::exchange(app.game.GameMode, NetworkPlayer);
    app.board.EngineWordCount =
        app.engine.cCheckForAllDefinedWords(engine::boardFromText(board).value_or(""));
    app.board.BoardWords.clear();
    for (int i = 0; i < app.board.EngineWordCount; ++i)
        app.board.BoardWords.push_back(app.engine.cGetDefinedWord(i));
    Common::SetUpBoard(app, board);
    app.game.GameMode = saved;
}
