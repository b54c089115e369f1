#include "store/DataFolder.h"

#include "common/UserError.h"
#include "store/DatabaseLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace zoruka {

namespace fs = std::filesystem;

namespace {

std::string folderText(const fs::path& folder) { return "フォルダ「" + folder.string() + "」"; }

fs::path accountHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir) {
        return {};
    }
    return found->pw_dir;
}

} // namespace

DataFolder DataFolder::choose(const DataFolderRequest& request, const fs::path& startFolder,
                              const fs::path& home)
{
    if (request.folder) {
        fs::path folder = (startFolder / *request.folder).lexically_normal();
        if (folder.filename().empty() && folder != folder.root_path()) {
            folder = folder.parent_path(); // "DIR/" names DIR
        }
        return {folder, false};
    }
    if (request.home && !fs::exists(startFolder / kDatabaseFileName)) {
        return {home / kHomeDataFolderName, true};
    }
    return {startFolder, false};
}

fs::path DataFolder::startFolder()
{
    std::error_code error;
    fs::path folder = fs::current_path(error);
    if (error) {
        throw UserError("起動したフォルダが見つかりません（削除されたか、開く権限がありません）。");
    }
    return folder;
}

fs::path DataFolder::userHome()
{
    if (const char* variable = std::getenv("HOME"); variable && fs::path(variable).is_absolute()) {
        return variable;
    }
    if (fs::path account = accountHome(); account.is_absolute()) {
        return account;
    }
    throw UserError("ホームフォルダが分からないため、データのフォルダを決められません。");
}

void DataFolder::enter() const
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        if (!createWhenMissing) {
            throw UserError(folderText(path) + "が見つかりません。");
        }
        if (!fs::create_directories(path, error) && error) {
            throw UserError(folderText(path) + "を作成できませんでした。");
        }
    } else if (!fs::is_directory(status)) {
        throw UserError("「" + path.string() + "」はフォルダではないため使えません。");
    }
    fs::current_path(path, error);
    if (error) {
        throw UserError(folderText(path) + "を開けません。");
    }
}

} // namespace zoruka
