#include "TestApp.h"

#include "windows/game/Common.h"

#include <QDir>

#include <gtest/gtest.h>

TestApp::TestApp(const std::vector<std::string>& words) : app(desktop)
{
    app.ProgramFolder = folder.path().toStdString();
    app.settings = std::make_unique<engine::SettingsStore>(folder.path().toStdString());
    {
        engine::Engine dict;
        for (const std::string& w : words)
            dict.cDictionaryAdd(w);
        const auto written =
            dict.cWriteBinaryDictionary(QDir(folder.path()).filePath("Dictionary.dat").toStdString());
        EXPECT_TRUE(written.ok());
    }
    window = std::make_unique<MainWindow>(app);
}

TestApp::~TestApp()
{
    window.reset();
}

void TestApp::startUp()
{
    Common::StartUp(app);
}

void TestApp::placeBoard(const std::string& boardText)
{
    std::string board = boardText;
    const int saved = app.game.GameMode;
    // A joined network player plays the board it is given: the same path for a test.
    app.game.GameMode = NetworkPlayer;
    std::string lower = board;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const int count = app.engine.cCheckForAllDefinedWords(lower);
    app.board.BoardWords.clear();
    for (int i = 0; i < count; ++i)
        app.board.BoardWords.push_back(app.engine.cGetDefinedWord(i));
    app.board.EngineWordCount = count;
    Common::SetUpBoard(app, board);
    app.game.GameMode = saved;
}
