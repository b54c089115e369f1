#pragma once

#include <filesystem>
#include <string_view>

namespace zoruka {

inline constexpr std::string_view kDatabaseFileName = "ゾルカv3.mdb";

// Where the club database file is: "ゾルカv3.mdb" in one folder, held as an absolute path so that
// later changes of the process's current directory (a file chooser moving between folders) never
// move it.
class DatabaseLocation {
public:
    // The file in `folder`; a relative folder is resolved against the current directory now.
    explicit DatabaseLocation(const std::filesystem::path& folder);

    // Any club database file, whatever its name, opened for reading only: every Database::open()
    // of it reads, and writing to it throws StoreError (scripts that must never change the books).
    // A relative path is resolved against the current directory now.
    static DatabaseLocation readOnlyFile(const std::filesystem::path& file);

    // The file in the folder the program started in: the current directory at the first call,
    // which the program makes while starting. Every later call returns that same location.
    static const DatabaseLocation& startFolder();

    const std::filesystem::path& file() const { return m_file; }
    bool readOnly() const { return m_readOnly; }

private:
    DatabaseLocation() = default;

    std::filesystem::path m_file;
    bool m_readOnly = false;
};

} // namespace zoruka
