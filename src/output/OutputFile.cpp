#include "output/OutputFile.h"

#include "common/SystemErrorText.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

// Links followed before giving up, as the system does (ELOOP).
constexpr int kMaxLinks = 40;

// A reason of this writer's own, beside the system's error numbers.
constexpr int kNotRegularFile = -1;

// The file a path stands for: symbolic links followed to the file they lead to, which need not
// exist yet. Nothing when the links go round in circles.
std::optional<fs::path> fileBehind(fs::path path)
{
    for (int link = 0; link < kMaxLinks; ++link) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof target) {
            return std::nullopt;
        }
        const fs::path next(std::string(target, static_cast<std::size_t>(length)));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
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

// One file written under its temporary name, waiting to be renamed over its target. Gone
// without a trace unless it was renamed.
class PendingFile {
public:
    PendingFile() = default;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile()
    {
        if (!m_temporary.empty()) {
            unlink(m_temporary.c_str());
        }
    }

    // Writes `file` under a temporary name; 0 when done, else why not (an errno or
    // kNotRegularFile).
    int prepare(const OutputBytes& file)
    {
        const std::optional<fs::path> target = fileBehind(file.path);
        if (!target) {
            return ELOOP;
        }
        m_target = *target;
        struct stat existing {};
        const bool exists = stat(m_target.c_str(), &existing) == 0;
        if (exists && S_ISDIR(existing.st_mode)) {
            return EISDIR;
        }
        if (exists && !S_ISREG(existing.st_mode)) {
            return kNotRegularFile;
        }
        if (exists && access(m_target.c_str(), W_OK) != 0) {
            return errno;
        }
        const int fd = createTemporary();
        if (fd < 0) {
            return errno;
        }
        int error = 0;
        if (!writeAll(fd, file.bytes) || (exists && fchmod(fd, existing.st_mode & 07777) != 0)) {
            error = errno;
        }
        // A full disk may only show when the data is flushed.
        if (fsync(fd) != 0 && error == 0) {
            error = errno;
        }
        if (close(fd) != 0 && error == 0) {
            error = errno;
        }
        return error;
    }

    // Puts the written file in the target's place; 0 when done, else the errno.
    int commit()
    {
        if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
            return errno;
        }
        m_temporary.clear();
        return 0;
    }

private:
    // A new file in the target's folder with a name short enough beside any legal name.
    int createTemporary()
    {
        const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : ".";
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path name =
                folder / (".~zoruka" + std::to_string(getpid()) + "-" + std::to_string(attempt));
            const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_temporary = name;
                return fd;
            }
            if (errno != EEXIST) {
                return -1;
            }
        }
        return -1;
    }

    fs::path m_target;
    fs::path m_temporary;
};

// "出力ﾌｧｲﾙへの書込みが出来ません、" and why.
std::string cannotWriteBecause(std::string_view reason)
{
    constexpr std::string_view kComma = "、";
    const std::string_view start =
        output_file::kCannotWrite.substr(0, output_file::kCannotWrite.find(kComma) + kComma.size());
    return std::string(start) + std::string(reason);
}

std::string messageFor(int reason)
{
    return reason == kNotRegularFile ? cannotWriteBecause("通常のファイルではありません")
                                     : output_file::cannotWrite(reason);
}

} // namespace

std::string output_file::cannotWrite(int error)
{
    if (error == EBUSY || error == ETXTBSY) {
        return std::string(kCannotWrite);
    }
    return cannotWriteBecause(systemErrorText(error));
}

std::optional<std::string> writeOutputFiles(const std::vector<OutputBytes>& files)
{
    for (const OutputBytes& file : files) {
        if (file.path.empty()) {
            return std::string(output_file::kNoFileName);
        }
    }
    std::vector<PendingFile> pending(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const int reason = pending[i].prepare(files[i]); reason != 0) {
            return messageFor(reason);
        }
    }
    for (PendingFile& file : pending) {
        if (const int reason = file.commit(); reason != 0) {
            return messageFor(reason);
        }
    }
    return std::nullopt;
}

std::optional<std::string> writeOutputFile(const std::string& path, std::string_view bytes)
{
    return writeOutputFiles({{path, std::string(bytes)}});
}

} // namespace zoruka
