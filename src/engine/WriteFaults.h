// Faults that tests inject into the engine's atomic file writer, to show that a save
// cut short at any point leaves the old file as it was. Nothing else sets them.
#pragma once

#include <cstdint>

namespace engine::detail {

struct WriteFaults {
    std::int64_t failAfterBytes = -1; // >= 0: the write fails once this many bytes are out
    bool failCommit = false;          // everything is written, then replacing the file fails
};

// Makes every save on this thread meet `faults` while the object lives.
class ScopedWriteFaults {
public:
    explicit ScopedWriteFaults(const WriteFaults& faults);
    ~ScopedWriteFaults();
    ScopedWriteFaults(const ScopedWriteFaults&) = delete;
    ScopedWriteFaults& operator=(const ScopedWriteFaults&) = delete;

private:
    WriteFaults m_faults;
    const WriteFaults* m_previous;
};

} // namespace engine::detail
