#pragma once

#include "common/UserError.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zoruka {

// A failure of the club database that the user has to be told about. what() is the complete
// message in Japanese, ready for a message box; the operation that threw changed nothing (an open
// transaction is rolled back by its Transaction object).
//
// Mistakes of the calling code (an unknown table, index or column name, a wrong number of seek
// values, writing without addNew()/edit()) are not StoreErrors: they throw std::invalid_argument
// or std::logic_error.
class StoreError : public UserError {
public:
    explicit StoreError(const std::string& message, std::vector<std::string> findings = {})
        : UserError(message), m_findings(std::move(findings))
    {
    }

    // Whether the file is damaged: damaged(), or SQLite found its contents so.
    bool damage() const { return !m_findings.empty(); }
    // What is wrong with a damaged file, one sentence each; empty for every other failure.
    const std::vector<std::string>& findings() const { return m_findings; }

    static StoreError missing();
    static StoreError notOurs();
    static StoreError newerVersion();
    static StoreError cannotCreate();
    static StoreError cannotOpen();
    static StoreError locked();
    static StoreError readOnly();
    // Another copy of the program is the file's writer.
    static StoreError otherCopyWrites();
    static StoreError duplicateKey();
    static StoreError notANumber(std::string_view column, std::string_view text);
    // The file is damaged: `findings` says what is wrong, one sentence each (the first few are
    // named), and `advice` what to do.
    static StoreError damaged(const std::vector<std::string>& findings,
                              std::string_view advice = {});

    // The message for an sqlite3 result code (primary or extended) other than success.
    static StoreError fromSqlite(int resultCode);

    // A backup could not be written, for `reason` (systemErrorText()).
    static StoreError backupFailed(std::string_view reason);

    // A backup that cannot be restored, named, and why.
    static StoreError unusableBackup(std::string_view name,
                                     const std::vector<std::string>& findings);
    // A restore that could not be done, for `reason`; the database file is as it was.
    static StoreError restoreFailed(std::string_view reason);

private:
    std::vector<std::string> m_findings;
};

} // namespace zoruka
