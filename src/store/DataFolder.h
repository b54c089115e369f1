#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace zoruka {

// The folder in the home that holds the data of a start from the desktop menu.
inline constexpr std::string_view kHomeDataFolderName = "ゾルカ";

// How the program was asked to find its data (the options of `zoruka`).
struct DataFolderRequest {
    std::optional<std::filesystem::path> folder; // --folder DIR; relative to the start folder
    bool home = false;                           // --home-folder, the desktop menu's start
};

// The folder the program keeps its data in: the database "ゾルカv3.mdb" and what the program
// keeps beside it, such as the printed sheets' "印刷/". It becomes the start folder of the run.
struct DataFolder {
    std::filesystem::path path; // absolute
    bool createWhenMissing = false;

    // The data folder of a start in `startFolder` by a user whose home is `home` (both absolute):
    // - --folder DIR: DIR, which must exist;
    // - --home-folder: the start folder when it already holds "ゾルカv3.mdb" (the data of earlier
    //   starts from a terminal there), else home/ゾルカ, created on the first start;
    // - neither: the start folder, where the database is created on the first start.
    static DataFolder choose(const DataFolderRequest& request,
                             const std::filesystem::path& startFolder,
                             const std::filesystem::path& home);

    // The folder the program was started in (the current directory). Throws UserError when it
    // cannot be read, for instance because it was deleted after the terminal entered it.
    static std::filesystem::path startFolder();

    // The user's home folder: $HOME, else the account's home directory. Throws UserError when
    // neither names an absolute folder.
    static std::filesystem::path userHome();

    // Creates the folder when it is missing and createWhenMissing is set, then makes it the
    // current directory so that everything after starts there (DatabaseLocation::startFolder()).
    // Throws UserError, with nothing changed, when the folder is missing, is not a folder, or
    // cannot be created or entered.
    void enter() const;
};

} // namespace zoruka
