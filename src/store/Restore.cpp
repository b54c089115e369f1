#include "store/Restore.h"

#include "common/SystemErrorText.h"
#include "store/Database.h"
#include "store/DatabaseClaims.h"
#include "store/DurableFiles.h"
#include "store/FileCheck.h"
#include "store/LayoutUpgrade.h"
#include "store/Schema.h"
#include "store/Statement.h"
#include "store/StoreError.h"

#include <cerrno>
#include <cstdio>

namespace zoruka {

namespace {

namespace fs = std::filesystem;

constexpr const char* kNotOurs = "このプログラムのデータベースではありません。";

// Copies `from` to `to` and makes the copy durable before it is renamed.
void copyDurably(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw StoreError::restoreFailed(systemErrorText(error.value()));
    }
    if (!syncFile(to)) {
        throw StoreError::restoreFailed(systemErrorText(errno));
    }
}

// Removes the copy beside the database unless the restore got as far as renaming it.
class CopyBeside {
public:
    explicit CopyBeside(fs::path path) : m_path(std::move(path)) {}
    ~CopyBeside()
    {
        if (!m_kept) {
            std::error_code ignored;
            fs::remove(m_path, ignored);
        }
    }
    CopyBeside(const CopyBeside&) = delete;
    CopyBeside& operator=(const CopyBeside&) = delete;

    const fs::path& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    fs::path m_path;
    bool m_kept = false;
};

} // namespace

std::vector<std::string> backupProblems(const fs::path& backup)
{
    std::error_code error;
    if (!fs::is_regular_file(backup, error)) {
        return {"ファイルが見つかりません。"};
    }
    const std::uintmax_t size = fs::file_size(backup, error);
    try {
        Database copy = [&] {
            try {
                return Database::copyInMemory(backup);
            } catch (const StoreError& failure) {
                if (failure.damage()) {
                    throw;
                }
                throw StoreError(kNotOurs);
            }
        }();
        long long applicationId = 0;
        long long version = 0;
        {
            Statement header(copy.handle(), "SELECT a.application_id, v.user_version "
                                            "FROM pragma_application_id AS a, "
                                            "pragma_user_version AS v");
            header.step();
            applicationId = header.number(0);
            version = header.number(1);
        }
        if (applicationId != kApplicationId || version < 1) {
            return {kNotOurs};
        }
        if (version > kSchemaVersion) {
            return {"新しい版のプログラムで作られています。"};
        }
        std::vector<std::string> findings = damageFindings(copy, size);
        if (findings.empty() && version < kSchemaVersion) {
            upgradeLayout(copy);
        }
        return findings;
    } catch (const StoreError& failure) {
        if (failure.damage()) {
            return failure.findings();
        }
        return {failure.what()};
    }
}

std::optional<BackupFile> latestUsableBackup(const DatabaseLocation& location)
{
    for (BackupFile& backup : listBackups(backupFolder(location))) {
        if (backupProblems(backup.path).empty()) {
            return std::move(backup);
        }
    }
    return std::nullopt;
}

std::string restoreAdvice(const DatabaseLocation& location)
{
    const std::string never = "このファイルには書き込みません。";
    const std::optional<BackupFile> latest = latestUsableBackup(location);
    if (!latest) {
        return never + "復元に使えるバックアップがありません。";
    }
    return never + "メニューの「バックアップ」で、最新のバックアップ「" +
           latest->path.filename().string() + "」（" + latest->shownTime() +
           "）から復元してください。";
}

void restoreBackup(const DatabaseLocation& location, const fs::path& backup,
                   BackupClock::time_point now)
{
    const fs::path& file = location.file();
    if (anotherCopyWrites(file)) {
        throw StoreError::otherCopyWrites();
    }
    std::error_code error;
    const std::string name = backup.filename().string();
    if (fs::equivalent(backup, file, error)) {
        throw StoreError::unusableBackup(name, {"いま使っているデータベースファイルです。"});
    }
    if (const auto problems = backupProblems(backup); !problems.empty()) {
        throw StoreError::unusableBackup(name, problems);
    }
    if (fs::exists(file, error)) {
        saveAsItIs(location, now);
    }

    CopyBeside copy(file.string() + ".restoring");
    copyDurably(backup, copy.path());
    if (const auto problems = backupProblems(copy.path()); !problems.empty()) {
        throw StoreError::restoreFailed("コピーが元のバックアップと違います");
    }
    // Claimed before it takes the name, so that no other copy can start writing it in between.
    std::optional<WriterLock> lock = WriterLock::take(copy.path());
    if (!lock) {
        throw StoreError::otherCopyWrites();
    }
    if (std::rename(copy.path().c_str(), file.c_str()) != 0) {
        throw StoreError::restoreFailed(systemErrorText(errno));
    }
    copy.keep();
    syncFolder(file.parent_path());

    DatabaseClaim& mine = claimFor(file);
    mine.lock = std::move(lock);
    mine.otherCopyWrites = false;
    mine.damage.reset();
    Database::open(location);
}

} // namespace zoruka
