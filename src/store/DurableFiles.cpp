#include "store/DurableFiles.h"

#include <fcntl.h>
#include <unistd.h>

namespace zoruka {

namespace {

bool syncPath(const std::filesystem::path& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

bool syncFile(const std::filesystem::path& file) { return syncPath(file, O_RDONLY); }

void syncFolder(const std::filesystem::path& folder) { syncPath(folder, O_RDONLY | O_DIRECTORY); }

} // namespace zoruka
