#pragma once

#include "store/Database.h"
#include "store/DatabaseLocation.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct sqlite3;

namespace zoruka::test {

// A new empty folder under the system's temporary folder, removed with its contents afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    DatabaseLocation location() const { return DatabaseLocation(m_path); }
    std::filesystem::path databaseFile() const { return location().file(); }

private:
    std::filesystem::path m_path;
};

std::string fileBytes(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

// A connection of "another program", straight through sqlite3, to read or lock the file.
class RawConnection {
public:
    explicit RawConnection(const std::filesystem::path& file);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    void execute(const std::string& sql);
    // A collation of that name comparing bytes, as an earlier version of the program had one.
    void addCollation(const std::string& name);
    // Every result row with its columns joined by '|'.
    std::vector<std::string> rows(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
};

// rows() of one query on a connection opened for just that query.
std::vector<std::string> queryFile(const std::filesystem::path& file, const std::string& sql);

// Nine in the morning, local time, of the given day.
std::chrono::system_clock::time_point morningOf(int year, int month, int day);

// The names of the files in `folder`, sorted; none when there is no such folder.
std::vector<std::string> fileNames(const std::filesystem::path& folder);

// The message of the StoreError `operation` throws, or "(no StoreError)".
std::string storeErrorOf(const std::function<void()>& operation);

// Adds or replaces one cash-book row.
void enterCash(Database& database, const std::string& date /* "yy/mm/dd" */,
               const std::string& kind, const std::string& item, const std::string& amount);

} // namespace zoruka::test
