// SPDX-License-Identifier: GPL-3.0-or-later
// A program on a small dictionary file in a temporary folder, with a scripted prompter.
#pragma once

#include "Scripted.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
