#pragma once

#include <filesystem>
#include <optional>

namespace zoruka {

// The claim of one copy of the program to write a database file: a lock of the open file
// description (Linux OFD lock) on a byte of the file that SQLite itself never locks. It belongs
// to the file itself, so a copy that reached the same file through another path (a link, another
// mount, a network share) meets it; and the kernel lets it go when its holder ends, crashed or
// not, so a lock left behind never blocks the next start.
class WriterLock {
public:
    // Takes the claim on `file`; nothing when another holder has it (another process, or another
    // WriterLock of this one). On a file system without such locks every taker gets it.
    // Throws StoreError when the file cannot be opened for writing.
    static std::optional<WriterLock> take(const std::filesystem::path& file);

    // Whether anyone holds the claim on `file`, this process's own WriterLocks included. False
    // when the file cannot be opened.
    static bool isTaken(const std::filesystem::path& file);

    // Whether the claim is on the file now at `file`: not when another file has taken its name.
    bool holds(const std::filesystem::path& file) const;

    ~WriterLock();
    WriterLock(WriterLock&& other) noexcept;
    WriterLock& operator=(WriterLock&& other) noexcept;
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    explicit WriterLock(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

} // namespace zoruka
