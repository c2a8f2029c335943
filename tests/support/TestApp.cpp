// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestApp.h"

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
