#include "StoreTestSupport.h"

#include "store/StoreError.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace zoruka::test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zoruka-store-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

RawConnection::RawConnection(const std::filesystem::path& file)
{
    if (sqlite3_open(file.c_str(), &m_db) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(m_db));
    }
}

RawConnection::~RawConnection() { sqlite3_close(m_db); }

void RawConnection::execute(const std::string& sql)
{
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(m_db));
    }
}

void RawConnection::addCollation(const std::string& name)
{
    const auto compare = [](void*, int lengthA, const void* a, int lengthB, const void* b) {
        return std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA))
            .compare(
                std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
    };
    sqlite3_create_collation(m_db, name.c_str(), SQLITE_UTF8, nullptr, compare);
}

std::vector<std::string> RawConnection::rows(const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(m_db));
    }
    std::vector<std::string> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = sqlite3_column_text(statement, i);
            row += (i == 0 ? "" : "|") +
                   std::string(text ? reinterpret_cast<const char*>(text) : "NULL");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(statement);
    return rows;
}

std::vector<std::string> queryFile(const std::filesystem::path& file, const std::string& sql)
{
    return RawConnection(file).rows(sql);
}

std::chrono::system_clock::time_point morningOf(int year, int month, int day)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 9;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

std::vector<std::string> fileNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string storeErrorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const StoreError& error) {
        return error.what();
    }
    return "(no StoreError)";
}

void enterCash(Database& database, const std::string& date, const std::string& kind,
               const std::string& item, const std::string& amount)
{
    TableCursor cash = database.table("出納帳");
    cash.editOrAddNew({date.substr(0, 2), date.substr(3, 2), date.substr(6, 2), kind, item});
    cash.setValue("出_金額", amount);
    cash.update();
}

} // namespace zoruka::test
