// Temporary folders and whole-file reads and writes for the engine tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace enginetest {

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir() : m_dir(std::filesystem::temp_directory_path()
                      / ("lettro-engine-test-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(m_dir);
    }
    ~TempDir()
    {
        // Tests may have taken write permission away; give it back so everything goes.
        std::error_code ec;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_dir, ec);
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    const std::filesystem::path& dir() const { return m_dir; }

private:
    std::filesystem::path m_dir;
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

} // namespace enginetest
