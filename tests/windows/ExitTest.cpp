// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the game by the Exit button or the window's frame: the save question at most once,
// a failed save keeping the game open. The saving itself is the dictionary store's to test.
#include "TestApp.h"

#include "core/dictionary/DictionaryStore.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

TEST(Exit, aFailedSaveKeepsTheGameOpenAndTheButtonAsksAgainOnce)
{
    TestApp t({"cat"});
    t.startUp();
    t.window->show();
    Dictionary::AddDictionaryWord(t.program, "quilt");
    // The dictionary's name is now taken by a folder: the save cannot replace it.
    ASSERT_TRUE(QFile::remove(t.folder.filePath("Dictionary.dat")));
    ASSERT_TRUE(QDir(t.folder.path()).mkdir("Dictionary.dat"));
    t.desktop.answer(ui::Answer::Yes);
    t.desktop.answer(ui::Answer::Ok); // the report of the failure
    t.window->close();
    EXPECT_EQ(t.desktop.shown.at(0).title, "Save dictionary?");
    EXPECT_TRUE(t.window->isVisible()) << "quitting now would lose the words just added";
    // Asked again at the next exit; No then really leaves.
    t.desktop.answer(ui::Answer::No);
    t.control<QToolButton>("Exit")->click();
    EXPECT_FALSE(t.window->isVisible());
    // The close that the exit itself causes, or any later one, asks nothing more.
    t.window->close();
    t.app.exitProgram();
    EXPECT_EQ(t.desktop.shown.size(), 3u);
}

} // namespace
