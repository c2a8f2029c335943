// SPDX-License-Identifier: GPL-3.0-or-later
#include "DictionaryStore.h"

#include "core/game/DataFolders.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"
#include "core/game/Tr.h"

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
DataFolders::DictionaryFiles Files(const Program& program)
{
    const DataFolders::Places places{program.ProgramFolder, program.UserFolder};
    const std::string name = engine::languageFile("Dictionary.dat", program.dictionary.Language);
    const bool userCopy =
        !program.UserFolder.empty() &&
        QFileInfo::exists(QString::fromStdString(program.UserFolder + '/' + name));
    return DataFolders::ChooseDictionary(places, userCopy, name);
}

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}
} // namespace

std::string DictionaryFilePath(const Program& program)
{
    return Files(program).save;
}

void ReadDictionary(Program& program)
{
    const DataFolders::DictionaryFiles files = Files(program);
    program.dictionary.LetterBase = 'a';
    program.dictionary.DictionaryPath = files.read;
    program.dictionary.LoadResult = program.engine.cReadBinaryDictionary(files.read);
    program.dictionary.DictionaryUpdated = false;
    // LoadResult stays the user's copy's: a save keeps that damaged file aside.
    const engine::FileResult& result = program.dictionary.LoadResult;
    if (result.ok())
        return;
    if (!files.fallback.empty()) {
        Ask(program,
            core::Tr("Dictionary", "The dictionary file %1 could not be loaded: %2.\n\n"
                                   "Lettro will start with the dictionary it came with, %3; "
                                   "the damaged file is kept as %1.unreadable when the "
                                   "dictionary is next saved.")
                .arg(Native(files.read), Reason(result), Native(files.fallback)));
        const engine::FileResult shipped = program.engine.cReadBinaryDictionary(files.fallback);
        if (shipped.ok())
            return;
        program.dictionary.DictionaryPath = files.fallback;
        program.dictionary.LoadResult = shipped;
    }
    // A game that silently finds no words would look broken; say what happened instead.
    Ask(program,
        core::Tr("Dictionary", "The dictionary file %1 could not be loaded: %2.\n\n"
                               "Lettro will start with an empty dictionary, so no board will "
                               "hold any words until words are added or merged in the "
                               "Dictionary Editor.")
            .arg(Native(program.dictionary.DictionaryPath), Reason(program.dictionary.LoadResult)));
}

bool WriteDictionary(Program& program)
{
    const std::string path = DictionaryFilePath(program);
    const QString nativePath = Native(path);
    // The user's folder may not be there yet on the first save of an installed game.
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    // A file that could not be read at start-up may still hold words that a newer or a
    // repaired Lettro can read: keep a copy instead of simply writing over it.
    const engine::FileResult& loaded = program.dictionary.LoadResult;
    if (!loaded.ok() && loaded.status != engine::FileStatus::Missing &&
        QFileInfo(QString::fromStdString(path)).isFile()) {
        const QString kept = QString::fromStdString(path) + QStringLiteral(".unreadable");
        QFile::remove(kept);
        if (!QFile::copy(QString::fromStdString(path), kept)) {
            Ask(program,
                core::Tr("Dictionary", "The dictionary was not saved: the unreadable file %1 could "
                                       "not be kept as %2 before being replaced.")
                    .arg(nativePath, QDir::toNativeSeparators(kept)));
            return false;
        }
        program.dictionary.LoadResult = {};
    }
    const engine::FileResult result = program.engine.cWriteBinaryDictionary(path);
    if (result.ok())
        return true;
    Ask(program, core::Tr("Dictionary", "The dictionary could not be saved to %1: %2.\n\n"
                                        "The file was left as it was, so your changes to the "
                                        "dictionary are not in it.")
                     .arg(nativePath, Reason(result)));
    return false;
}

bool OfferDictionarySave(Program& program, bool atExit)
{
    if (!program.dictionary.DictionaryUpdated)
        return true;
    const core::Answer answer =
        Ask(program, core::Tr("Dictionary", "Dictionary has been updated, do you want to save it?"),
            core::Buttons::YesNo, core::Tr("Dictionary", "Save dictionary?"));
    if (answer == core::Answer::Yes) {
        // Only a save that worked makes the file match the dictionary in memory.
        if (!WriteDictionary(program))
            return false;
    } else if (atExit) {
        program.engine.cSetMaxWordSize(program.options.LoadedMaxWordSize);
        Settings::SaveSettings(program);
    }
    program.dictionary.DictionaryUpdated = false;
    return true;
}

void AddDictionaryWord(Program& program, const std::string& word)
{
    program.engine.cDictionaryAdd(word);
    program.dictionary.DictionaryUpdated = true;
}

void RemoveDictionaryWord(Program& program, const std::string& word)
{
    program.engine.cDictionaryRemove(word);
    program.dictionary.DictionaryUpdated = true;
}

} // namespace Dictionary
