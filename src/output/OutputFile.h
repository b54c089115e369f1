#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoruka {

namespace output_file {

inline constexpr std::string_view kNoFileName = "出力ファイルを指定して下さい。";
// A file another program holds open. Every other "cannot write" message begins as this one does,
// up to its comma, and goes on with the reason (cannotWrite()).
inline constexpr std::string_view kCannotWrite =
    "出力ﾌｧｲﾙへの書込みが出来ません、ﾌｧｲﾙを閉じてください";

// The message for a file that cannot be written for the system error `error` (errno):
// kCannotWrite for a file in use, else "出力ﾌｧｲﾙへの書込みが出来ません、" and the reason
// ("ディスクの空きが足りません", "名前が長すぎます", ...).
std::string cannotWrite(int error);

} // namespace output_file

// One file to write and its whole contents.
struct OutputBytes {
    std::string path; // relative to the current folder when not absolute
    std::string bytes;
};

// Replaces the files at their paths with their bytes, all or nothing. Every file is first written
// in full under a short temporary name in its own folder, and only when all of them are written
// are they renamed over their targets; a failure before that leaves every target as it was and no
// temporary file behind. A path through a symbolic link writes the file the link leads to. An
// existing file keeps its permissions.
// Returns nothing when done, else the message to show: kNoFileName for an empty path, and
// cannotWrite() for a file that cannot be written: no such folder, no permission, a name too long,
// a full disk, or a target that is not a regular file (a folder, a device, a named pipe).
std::optional<std::string> writeOutputFiles(const std::vector<OutputBytes>& files);

// writeOutputFiles() of one file.
std::optional<std::string> writeOutputFile(const std::string& path, std::string_view bytes);

} // namespace zoruka
