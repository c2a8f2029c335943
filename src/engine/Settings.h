// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: named text values under one key.
#pragma once

#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace engine {

// The one key every value lives under.
inline constexpr const char* kSettingsKey = "Software\\Penwick\\Lettro\\Default";

class SettingsStore {
public:
    // The user's store (organisation "Penwick", application "Lettro").
    SettingsStore();
    // A store kept in an INI file inside `folder`: for tests and for portable use.
    explicit SettingsStore(const std::string& folder);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The value's text cut to at most `maxLength` characters, or nothing when absent or
    // empty. `key` is the registry-style key; every key maps to the group "Default".
    std::optional<std::string> cGetRegValue(const std::string& key, const std::string& name,
                                            int maxLength) const;
    void cSetRegValue(const std::string& key, const std::string& name, const std::string& value);
    // Writes pending changes; false when the store could not be written.
    bool sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace engine
