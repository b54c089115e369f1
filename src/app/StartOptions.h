#pragma once

#include "store/DataFolder.h"

#include <string>

namespace zoruka {

// The command line of `zoruka`: where the data is (--folder DIR, --home-folder), --help and
// --version. Qt's own options (-platform, -style, …) are left for QApplication.
struct StartOptions {
    DataFolderRequest dataFolder;
    bool help = false;
    bool version = false;
    std::string error; // why the line is refused, in Japanese; empty when it is fine

    // Takes the program's options out of argv, shifting the rest down and lowering argc, as
    // QApplication does with its own.
    static StartOptions parse(int& argc, char** argv);

    // What --help prints.
    static std::string usage();
    // The line that refuses `argument`, which neither this program nor Qt knows.
    static std::string unknownArgument(const std::string& argument);
    // What a refusal prints: the reason and where the usage is.
    static std::string refusal(const std::string& error);
};

} // namespace zoruka
