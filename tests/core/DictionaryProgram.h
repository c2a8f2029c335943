// A program started on a small dictionary file in a temporary folder, with a scripted
// prompter, for the dictionary's core tests.
#pragma once

#include "Scripted.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct DictionaryProgram {
    explicit DictionaryProgram(const std::vector<std::string>& words, bool start = true)
    {
        p.prompter = &prompter;
        p.ProgramFolder = folder.path().toStdString();
        p.settings = std::make_unique<engine::SettingsStore>(p.ProgramFolder);
        engine::Engine file;
        for (const std::string& w : words)
            file.cDictionaryAdd(w);
        EXPECT_TRUE(file.cWriteBinaryDictionary(path().toStdString()).ok());
        if (start)
            startUp();
    }
    void startUp()
    {
        Dictionary::ReadDictionary(p);
        Settings::ReadSettings(p);
    }
    QString path() const { return folder.filePath("Dictionary.dat"); }
    QString writeFile(const char* name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};
