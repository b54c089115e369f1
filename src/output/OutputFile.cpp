#include "output/OutputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zoruka {

namespace {

// A new file beside `path` that nobody else has opened, or -1.
int createTemporary(const std::string& path, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".~" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool replaceWith(const std::string& path, std::string_view bytes)
{
    struct stat existing {};
    const bool exists = stat(path.c_str(), &existing) == 0;
    if (exists && (S_ISDIR(existing.st_mode) || access(path.c_str(), W_OK) != 0)) {
        return false;
    }
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, bytes) && (!exists || fchmod(fd, existing.st_mode & 07777) == 0);
    // A full disk may only show when the data is flushed.
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    return ok;
}

} // namespace

std::optional<std::string> writeOutputFile(const std::string& path, std::string_view bytes)
{
    if (path.empty()) {
        return std::string(output_file::kNoFileName);
    }
    if (!replaceWith(path, bytes)) {
        return std::string(output_file::kCannotWrite);
    }
    return std::nullopt;
}

} // namespace zoruka
