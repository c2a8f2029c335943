// SPDX-License-Identifier: GPL-3.0-or-later
#include "DictionaryStore.h"

#include "core/game/DataFolders.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Dictionary {

namespace {
QString Reason(const engine::FileResult& result)
{
    return QString::fromStdString(engine::describe(result));
}
} // namespace

namespace {
DataFolders::DictionaryFiles Files(const Program& app)
{
    const DataFolders::Places places{app.ProgramFolder, app.UserFolder};
    const std::string name = engine::languageFile("Dictionary.dat", app.dictionary.Language);
    const bool userCopy =
        !app.UserFolder.empty() &&
        QFileInfo::exists(QString::fromStdString(app.UserFolder + '/' + name));
    return DataFolders::ChooseDictionary(places, userCopy, name);
}

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}
} // namespace

std::string DictionaryFilePath(const Program& app)
{
    return Files(app).save;
}

void ReadDictionary(Program& app)
{
    const DataFolders::DictionaryFiles files = Files(app);
    app.dictionary.LetterBase = 'a';
    app.dictionary.DictionaryPath = files.read;
    app.dictionary.LoadResult = app.engine.cReadBinaryDictionary(files.read);
    app.dictionary.DictionaryUpdated = false;
    // LoadResult stays the user's copy's: a save keeps that damaged file aside.
    const engine::FileResult& result = app.dictionary.LoadResult;
    if (result.ok())
        return;
    if (!files.fallback.empty()) {
        Ask(app, QStringLiteral("The dictionary file %1 could not be loaded: %2.\n\n"
                                "Lettro will start with the dictionary it came with, %3; "
                                "the damaged file is kept as %1.unreadable when the "
                                "dictionary is next saved.")
                     .arg(Native(files.read), Reason(result), Native(files.fallback)));
        const engine::FileResult shipped = app.engine.cReadBinaryDictionary(files.fallback);
        if (shipped.ok())
            return;
        app.dictionary.DictionaryPath = files.fallback;
        app.dictionary.LoadResult = shipped;
    }
    // A game that silently finds no words would look broken; say what happened instead.
    Ask(app, QStringLiteral("The dictionary file %1 could not be loaded: %2.\n\n"
                            "Lettro will start with an empty dictionary, so no board will "
                            "hold any words until words are added or merged in the "
                            "Dictionary Editor.")
                 .arg(Native(app.dictionary.DictionaryPath), Reason(app.dictionary.LoadResult)));
}

bool WriteDictionary(Program& app)
{
    const std::string path = DictionaryFilePath(app);
    const QString nativePath = Native(path);
    // The user's folder may not be there yet on the first save of an installed game.
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    // A file that could not be read at start-up may still hold words that a newer or a
    // repaired Lettro can read: keep a copy instead of simply writing over it.
    const engine::FileResult& loaded = app.dictionary.LoadResult;
    if (!loaded.ok() && loaded.status != engine::FileStatus::Missing &&
        QFileInfo(QString::fromStdString(path)).isFile()) {
        const QString kept = QString::fromStdString(path) + QStringLiteral(".unreadable");
        QFile::remove(kept);
        if (!QFile::copy(QString::fromStdString(path), kept)) {
            Ask(app, QStringLiteral("The dictionary was not saved: the unreadable file %1 could "
                                    "not be kept as %2 before being replaced.")
                         .arg(nativePath, QDir::toNativeSeparators(kept)));
            return false;
        }
        app.dictionary.LoadResult = {};
    }
    const engine::FileResult result = app.engine.cWriteBinaryDictionary(path);
    if (result.ok())
        return true;
    Ask(app, QStringLiteral("The dictionary could not be saved to %1: %2.\n\n"
                            "The file was left as it was, so your changes to the "
                            "dictionary are not in it.")
                 .arg(nativePath, Reason(result)));
    return false;
}

bool OfferDictionarySave(Program& app, bool atExit)
{
    if (!app.dictionary.DictionaryUpdated)
        return true;
    const core::Answer answer =
        Ask(app, QStringLiteral("Dictionary has been updated, do you want to save it?"),
            core::Buttons::YesNo, QStringLiteral("Save dictionary?"));
    if (answer == core::Answer::Yes) {
        // Only a save that worked makes the file match the dictionary in memory.
        if (!WriteDictionary(app))
            return false;
    } else if (atExit) {
        app.engine.cSetMaxWordSize(app.options.LoadedMaxWordSize);
        Settings::SaveSettings(app);
    }
    app.dictionary.DictionaryUpdated = false;
    return true;
}

void AddDictionaryWord(Program& app, const std::string& word)
{
    app.engine.cDictionaryAdd(word);
    app.dictionary.DictionaryUpdated = true;
}

void RemoveDictionaryWord(Program& app, const std::string& word)
{
    app.engine.cDictionaryRemove(word);
    app.dictionary.DictionaryUpdated = true;
}

} // namespace Dictionary
