// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets read their input through the real file code: each input is written
// to a scratch file of this process first.
#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

// A scratch path for this process, e.g. ScratchPath("dict", ".dat").
inline std::string ScratchPath(const std::string& name, const std::string& suffix = "")
{
    return "/tmp/lettro-fuzz-" + name + "-" + std::to_string(getpid()) + suffix;
}

// Replaces the file at `path` with the bytes; false when it cannot be written.
inline bool WriteScratch(const std::string& path, const void* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && written;
}
