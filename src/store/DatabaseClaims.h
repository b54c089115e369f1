#pragma once

#include "store/StoreError.h"
#include "store/WriterLock.h"

#include <filesystem>
#include <optional>

namespace zoruka {

// What this run of the program learned of a database file when it started on it
// (startDatabase()); every later Database::open() of the file follows it.
struct DatabaseClaim {
    std::optional<WriterLock> lock;   // this copy is the file's one writer
    bool otherCopyWrites = false;     // another copy held the writer's claim
    std::optional<StoreError> damage; // what the start-up check found wrong, and what to do
};

// This run's claim on `file`, matched by its canonical path, or nullptr when it has none.
DatabaseClaim* findClaim(const std::filesystem::path& file);

// This run's claim on `file`, made empty when there was none.
DatabaseClaim& claimFor(const std::filesystem::path& file);

// Whether another copy of the program is the writer of `file`: as learned at the start, or, for
// a run without a claim on it (or whose claim the file has lost), as its WriterLock shows now.
bool anotherCopyWrites(const std::filesystem::path& file);

} // namespace zoruka
