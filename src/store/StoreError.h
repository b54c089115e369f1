#pragma once

#include "common/UserError.h"

#include <string>
#include <string_view>
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
    explicit StoreError(const std::string& message) : UserError(message) {}

    static StoreError missing();
    static StoreError notOurs();
    static StoreError newerVersion();
    static StoreError cannotCreate();
    static StoreError cannotOpen();
    static StoreError locked();
    static StoreError readOnly();
    static StoreError duplicateKey();
    static StoreError notANumber(std::string_view column, std::string_view text);
    // The file is damaged: `findings` says what is wrong, one sentence each (the first few are
    // named), and `advice` what to do.
    static StoreError damaged(const std::vector<std::string>& findings,
                              std::string_view advice = {});

    // The message for an sqlite3 result code (primary or extended) other than success.
    static StoreError fromSqlite(int resultCode);
};

} // namespace zoruka
