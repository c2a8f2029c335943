// SPDX-License-Identifier: GPL-3.0-or-later
// A program on a small dictionary file in a temporary folder, with a scripted prompter.
#pragma once

#include "Scripted.h"
#include "core/board/WordEntry.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Enters each word as the box does, whole.
inline void Enter(Program& p, const std::vector<std::string>& words)
{
    for (const std::string& w : words)
        WordEntry::NewWordChanged(p, QString::fromStdString(w)), WordEntry::EnterWord(p);
}

// Starts `p` on the shipped dictionary, its settings and kept game in `folder`, every
// message answered OK.
inline void StartOnShipped(Program& p, ScriptedPrompter& prompter, const QTemporaryDir& folder,
                           std::uint32_t seed)
{
    p.prompter = &prompter;
    prompter.autoOk = true;
    p.ProgramFolder = QFileInfo(LETTRO_SHIPPED_DICTIONARY).absolutePath().toStdString();
    p.settings = std::make_unique<engine::SettingsStore>(folder.path().toStdString());
    p.KeptGameFile = folder.filePath("KeptGame.txt").toStdString();
    p.Seed = seed;
    Game::StartUp(p);
}

// The bytes with one bit flipped in the middle: a file no reader accepts.
inline QByteArray Damaged(QByteArray bytes)
{
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x40);
    return bytes;
}

struct DictionaryProgram {
    explicit DictionaryProgram(const std::vector<std::string>& words, bool start = true)
    {
        p.prompter = &prompter;
        p.ProgramFolder = folder.path().toStdString();
        p.settings = std::make_unique<engine::SettingsStore>(p.ProgramFolder);
        for (const std::string& w : words)
            p.engine.cDictionaryAdd(w);
        EXPECT_TRUE(p.engine.cWriteBinaryDictionary(path().toStdString()).ok());
        if (start) // as the game starts
            Dictionary::ReadDictionary(p), Settings::ReadSettings(p);
    }
    QString path(const char* name = "Dictionary.dat") const { return folder.filePath(name); }
    QByteArray bytes(const char* name = "Dictionary.dat") const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString write(const char* name, const QByteArray& bytes)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};
