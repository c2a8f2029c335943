// Any text in the settings store: start-up reads it without trouble, and every option
// ends within its range.
#include "core/game/Program.h"
#include "core/game/Settings.h"
#include "core/game/SettingsText.h"

#include "FuzzFiles.h"

#include <sys/stat.h>

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
    // The whole settings file is the input.
    if (!WriteScratch(folder + "/Lettro.ini", data + 2, size - 2))
        return 0;

    FuzzPrompter prompter;
    prompter.bits = mode; // the bits answer questions
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
