// SPDX-License-Identifier: GPL-3.0-or-later
// Temporary folders, whole-file reads and writes, and random letters for the engine tests.
#pragma once

#include <QTemporaryDir>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace enginetest {

// A fresh folder, removed with everything in it when the object goes.
struct TempDir : QTemporaryDir {
    std::string path(const std::string& name = "") const
    {
        return filePath(QString::fromStdString(name)).toStdString();
    }
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// `length` letters drawn from `letters`.
inline std::string RandomText(std::mt19937& rng, const std::string& letters, std::size_t length)
{
    std::string text(length, ' ');
    for (char& c : text)
        c = letters[rng() % letters.size()];
    return text;
}

} // namespace enginetest
