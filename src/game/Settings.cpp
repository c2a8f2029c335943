#include "Settings.h"

#include "game/App.h"

#include <string>

namespace Settings {

namespace {
std::string Flag(bool value)
{
    return value ? "1" : "0";
}
} // namespace

void SaveSettings(App& app)
{
    if (!app.settings)
        return;
    engine::SettingsStore& store = *app.settings;
    const std::string key = engine::kSettingsKey;
    store.cSetRegValue(key, kTimeLimit, std::to_string(app.game.TimeLimit));
    store.cSetRegValue(key, kMinWordSize, std::to_string(app.engine.cMinWordSize()));
    store.cSetRegValue(key, kMaxWordSize, std::to_string(app.engine.cMaxWordSize()));
    store.cSetRegValue(key, kNumWordsLimit, app.options.NumWordsLimit);
    store.cSetRegValue(key, kSounds, Flag(app.options.SoundsOn));
    store.cSetRegValue(key, kShowUnusedWords, Flag(app.options.ShowUnusedWords));
    store.cSetRegValue(key, kRepeatLetters, Flag(app.options.RepeatLetters));
    store.cSetRegValue(key, kLeftHandedDisplay, Flag(app.options.LeftHandedDisplay));
    store.sync();
}

} // namespace Settings
