#pragma once

#include "store/DatabaseLocation.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace zoruka::bench {

// A new folder under the system's temporary folder for a benchmark's database, removed with its
// contents when the object goes away.
class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zoruka-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        m_path = pattern;
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    DatabaseLocation location() const { return DatabaseLocation(m_path); }

private:
    std::filesystem::path m_path;
};

} // namespace zoruka::bench
