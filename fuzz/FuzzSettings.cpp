// SPDX-License-Identifier: GPL-3.0-or-later
// Any text in the settings store: start-up reads it without trouble, and every option
// ends within its range.
#include "core/game/Program.h"
#include "core/game/Settings.h"
#include "core/game/SettingsText.h"

#include "FuzzFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// Answers questions from the input's bits; never shows anything.
class FuzzPrompter : public core::Prompter {
public:
    unsigned bits = 0;
    core::Answer ask(const core::Prompt& prompt) override
    {
        if (prompt.buttons == core::Buttons::Ok)
            return core::Answer::Ok;
        bits >>= 1;
        return bits & 1u ? core::Answer::Yes : core::Answer::No;
    }
    void warningSound() override {}
};

const char* const kNames[] = {Settings::kTimeLimit,     Settings::kMinWordSize,     Settings::kMaxWordSize,
                              Settings::kNumWordsLimit, Settings::kSounds,          Settings::kShowUnusedWords,
                              Settings::kRepeatLetters, Settings::kLeftHandedDisplay};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 2)
        return 0;
    static const std::string folder = [] {
        std::string f = ScratchPath("settings");
        mkdir(f.c_str(), 0700);
        return f;
    }();
    const unsigned char mode = data[0];
    const int dictionaryLimit = 2 + data[1] % 15;
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    // Either the whole settings file is the input, or the input gives the eight values.
    std::string file;
    if (mode & 1) {
        file = text;
    } else {
        file = "[Default]\n";
        std::size_t start = 0;
        for (const char* name : kNames) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            if (start <= text.size())
                file += std::string(name) + "=" + text.substr(start, end - start) + "\n";
            start = end + 1;
        }
    }
    if (!WriteScratch(folder + "/Lettro.ini", file.data(), file.size()))
        return 0;

    FuzzPrompter prompter;
    prompter.bits = mode; // bit 0 picks the file's form, the rest answer questions
    Program app;
    app.prompter = &prompter;
    app.settings = std::make_unique<engine::SettingsStore>(folder);
    app.engine.cSetMaxWordSize(dictionaryLimit);
    for (const char* w : {"ab", "cat", "tree", "house", "garden", "abcdefghijklmnop"})
        app.engine.cDictionaryAdd(w);
    Settings::ReadSettings(app);

    if (!SettingsText::IsTimeLimit(app.game.TimeLimit) || app.engine.cMinWordSize() < 2
        || app.engine.cMinWordSize() > 16 || app.engine.cMaxWordSize() < 2 || app.engine.cMaxWordSize() > dictionaryLimit
        || !SettingsText::IsNumWordsCode(app.options.NumWordsLimit)
        || app.options.LoadedMaxWordSize != app.engine.cMaxWordSize()
        || app.game.GameType != Standard || app.game.GameMode != SinglePlayer)
        std::abort();
    return 0;
}
