#include "DictionaryStore.h"

#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Dictionary {

namespace {
// The engine's reason for a file failure, with the system's words when it has any.
QString Reason(const engine::FileResult& result)
{
    QString reason = QString::fromStdString(engine::describe(result.status));
    if (!result.detail.empty())
        reason += QStringLiteral(" (%1)").arg(QString::fromStdString(result.detail));
    return reason;
}
} // namespace

std::string DictionaryFilePath(const Program& app)
{
    return QDir(QString::fromStdString(app.ProgramFolder))
        .filePath(QStringLiteral("Dictionary.dat"))
        .toStdString();
}

void ReadDictionary(Program& app)
{
    app.dictionary.LetterBase = 'a';
    app.dictionary.DictionaryPath = DictionaryFilePath(app);
    app.dictionary.LoadResult = app.engine.cReadBinaryDictionary(app.dictionary.DictionaryPath);
    app.dictionary.DictionaryUpdated = false;
    const engine::FileResult& result = app.dictionary.LoadResult;
    if (result.ok())
        return;
    // A game that silently finds no words would look broken; say what happened instead.
    Ask(app, QStringLiteral("The dictionary file %1 could not be loaded: %2.\n\n"
                            "Lettro will start with an empty dictionary, so no board will "
                            "hold any words until words are added or merged in the "
                            "Dictionary Editor.")
                 .arg(QDir::toNativeSeparators(
                          QString::fromStdString(app.dictionary.DictionaryPath)),
                      Reason(result)));
}

bool WriteDictionary(Program& app)
{
    const std::string path = DictionaryFilePath(app);
    const QString nativePath = QDir::toNativeSeparators(QString::fromStdString(path));
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

bool OfferDictionarySave(Program& app)
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
    } else {
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
