#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zoruka {

namespace output_file {

inline constexpr std::string_view kNoFileName = "出力ファイルを指定して下さい。";
inline constexpr std::string_view kCannotWrite =
    "出力ﾌｧｲﾙへの書込みが出来ません、ﾌｧｲﾙを閉じてください";

} // namespace output_file

// Replaces the file at `path` (relative to the current folder when not absolute) with `bytes`.
// The bytes go to a temporary file in the same folder first, which is renamed over the target
// only once complete, so a failed write leaves an existing file as it was. An existing file
// keeps its permissions; one that may not be written is not replaced.
// Returns nothing when done, else the message to show: kNoFileName for an empty path,
// kCannotWrite when the file cannot be written (no such folder, no permission, a folder of that
// name, a full disk).
std::optional<std::string> writeOutputFile(const std::string& path, std::string_view bytes);

} // namespace zoruka
