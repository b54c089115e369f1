#include "store/WriterLock.h"

#include "store/StoreError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace zoruka {

namespace {

// SQLite locks the bytes from 0x40000000 on, 512 of them (its pending, reserved and shared
// locks); the claim takes the next byte, which lies in the same page that SQLite never uses for
// data.
constexpr off_t kClaimByte = 0x40000000 + 512;

struct flock claimRegion(short type)
{
    struct flock region {};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = kClaimByte;
    region.l_len = 1;
    return region;
}

} // namespace

std::optional<WriterLock> WriterLock::take(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        throw StoreError::cannotOpen();
    }
    struct flock region = claimRegion(F_WRLCK);
    // A file system without such locks (EINVAL, ENOLCK) cannot tell copies apart; the program
    // then writes as it did before there were claims.
    if (fcntl(fd, F_OFD_SETLK, &region) != 0 && (errno == EAGAIN || errno == EACCES)) {
        ::close(fd);
        return std::nullopt;
    }
    return WriterLock(fd);
}

bool WriterLock::isTaken(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct flock region = claimRegion(F_WRLCK);
    const bool taken = fcntl(fd, F_OFD_GETLK, &region) == 0 && region.l_type != F_UNLCK;
    ::close(fd);
    return taken;
}

bool WriterLock::holds(const std::filesystem::path& file) const
{
    struct stat held {};
    struct stat named {};
    return fstat(m_fd, &held) == 0 && stat(file.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

WriterLock::~WriterLock()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

WriterLock::WriterLock(WriterLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

WriterLock& WriterLock::operator=(WriterLock&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

} // namespace zoruka
