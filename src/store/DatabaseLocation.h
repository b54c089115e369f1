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

    // The file in the folder the program started in: the current directory at the first call,
    // which the program makes while starting. Every later call returns that same location.
    static const DatabaseLocation& startFolder();

    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
};

} // namespace zoruka
