#pragma once

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zoruka {

// One prepared SQL statement of a connection, finalized on destruction. Parameters are numbered
// from 1 and result columns from 0, as in sqlite3. Every failure throws StoreError.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int parameter, std::string_view text);
    void bind(int parameter, long long number);

    // Advances to the next result row: true when there is one, false when the statement is done.
    bool step();
    // Runs the statement to the end and resets it.
    void run();
    // Makes the statement ready to run again; bindings are kept. Releases its read lock.
    void reset();

    std::string text(int column) const;
    long long number(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// Runs SQL text without parameters (possibly several statements). Throws StoreError.
void execute(sqlite3* db, const char* sql);

} // namespace zoruka
