// Temporary folders and files for the engine tests.
#pragma once

#include <filesystem>
#include <string>

namespace enginetest {

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    const std::filesystem::path& dir() const { return m_dir; }

private:
    std::filesystem::path m_dir;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

} // namespace enginetest
