// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLanguage.h"

#include "core/dictionary/DictionaryStore.h"
#include "core/game/HighScores.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QFile>
#include <QLocale>

namespace BoardLanguage {

void ChooseAtStartUp(Program& app)
{
    std::string code = engine::defaultLanguage(QLocale::system().name().toStdString());
    if (app.settings)
        if (const auto stored = app.settings->cGetRegValue(engine::kSettingsKey, kBoardLanguage,
                                                           Settings::kGameValueLength);
            stored && engine::findLanguage(*stored))
            code = *stored;
    if (app.CommandLineLanguage && engine::findLanguage(*app.CommandLineLanguage))
        code = *app.CommandLineLanguage;
    app.options.BoardLanguage = code;
    app.dictionary.Language = code;
}

bool UseLanguage(Program& app, const std::string& code)
{
    if (code == app.dictionary.Language)
        return true;
    if (!engine::findLanguage(code) || !Dictionary::OfferDictionarySave(app, false))
        return false;
    // The smallest word size is the user's option; the largest is the new dictionary's.
    const int minWordSize = app.engine.cMinWordSize();
    app.dictionary.Language = code;
    Dictionary::ReadDictionary(app);
    app.engine.cSetMinWordSize(minWordSize);
    app.options.LoadedMaxWordSize = app.engine.cMaxWordSize();
    Dice::InitDice(app.board.DieFaces, code);
    app.results.Available = false;
    HighScores::LoadHighScores(app);
    return true;
}

void ChooseLanguage(Program& app, const std::string& code)
{
    if (!engine::findLanguage(code))
        return;
    app.options.BoardLanguage = code;
    if (IsNetworkGame(app) || !UseLanguage(app, code))
        return;
    // Stored with the largest word size of the dictionary now in play, so the next start
    // in this language finds them agreeing.
    Settings::SaveSettings(app);
}

QString WordListNotice(const std::string& code)
{
    const std::string name =
        code == engine::kEnglish ? "words-LICENSE.txt" : "words-" + code + "-LICENSE.txt";
    QFile file(QString::fromStdString(":/licences/" + name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace BoardLanguage
