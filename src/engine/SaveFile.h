// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic writer's way to the disk: the bytes go to a temporary file beside the
// target, which replaces the target only at commit. The engine's own way is QSaveFile;
// a test hands an engine another one to make a save fail at a chosen point.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace engine {

class SaveFile {
public:
    virtual ~SaveFile() = default;
    virtual bool open() = 0;
    // The bytes actually written, or -1.
    virtual std::int64_t write(const char* data, std::int64_t size) = 0;
    // Syncs the temporary file and renames it over the target.
    virtual bool commit() = 0;
    // Drops the temporary file; the target stays as it was.
    virtual void cancel() = 0;
    virtual std::string errorString() const = 0;
};

// Makes the save file for a target path.
using SaveFileMaker = std::function<std::unique_ptr<SaveFile>(const std::string& path)>;

// The disk, through QSaveFile.
std::unique_ptr<SaveFile> diskSaveFile(const std::string& path);

} // namespace engine
