// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLanguage.h"

#include "core/dictionary/DictionaryStore.h"
#include "core/game/HighScores.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QFile>
#include <QLocale>

namespace BoardLanguage {

void ChooseAtStartUp(Program& program)
{
    std::string code = engine::defaultLanguage(QLocale::system().name().toStdString());
    if (program.settings)
        if (const auto stored = program.settings->cGetRegValue(engine::kSettingsKey, kBoardLanguage,
                                                               Settings::kGameValueLength);
            stored && engine::findLanguage(*stored))
            code = *stored;
    if (program.CommandLineLanguage && engine::findLanguage(*program.CommandLineLanguage))
        code = *program.CommandLineLanguage;
    program.options.BoardLanguage = code;
    program.dictionary.Language = code;
}

bool UseLanguage(Program& program, const std::string& code)
{
    if (code == program.dictionary.Language)
        return true;
    if (!engine::findLanguage(code) || !Dictionary::OfferDictionarySave(program, false))
        return false;
    // The smallest word size is the user's option; the largest is the new dictionary's.
    const int minWordSize = program.engine.cMinWordSize();
    program.dictionary.Language = code;
    Dictionary::ReadDictionary(program);
    program.engine.cSetMinWordSize(minWordSize);
    program.options.LoadedMaxWordSize = program.engine.cMaxWordSize();
    Dice::InitDice(program.board.DieFaces, code);
    program.results.Available = false;
    HighScores::LoadHighScores(program);
    return true;
}

void ChooseLanguage(Program& program, const std::string& code)
{
    if (!engine::findLanguage(code))
        return;
    program.options.BoardLanguage = code;
    if (IsNetworkGame(program) || !UseLanguage(program, code))
        return;
    // Stored with the largest word size of the dictionary now in play, so the next start
    // in this language finds them agreeing.
    Settings::SaveSettings(program);
}

QString WindowTitle(const QString& title, const std::string& code)
{
    const engine::Language* language = engine::findLanguage(code);
    if (!language || code == engine::kEnglish)
        return title;
    return title + QStringLiteral(" (") + QString::fromUtf8(language->name) + QLatin1Char(')');
}

QString WordListNotice(const std::string& code)
{
    const std::string name =
        code == engine::kEnglish ? "words-LICENSE.txt" : "words-" + code + "-LICENSE.txt";
    QFile file(QString::fromStdString(":/licences/" + name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace BoardLanguage
