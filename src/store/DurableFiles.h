#pragma once

#include <filesystem>

namespace zoruka {

// Flushes `file` to the disk; false when it cannot.
bool syncFile(const std::filesystem::path& file);

// Flushes the folder's list of names, so that a file just renamed there keeps its new name
// through a power cut.
void syncFolder(const std::filesystem::path& folder);

} // namespace zoruka
