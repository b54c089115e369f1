#pragma once

#include <string>

namespace zoruka {

// Why a file could not be written, for a message to the user, from the system's error number
// (errno): "ディスクの空きが足りません", "書き込む権限がありません", ... A number without a
// wording of its own is named with the system's text ("エラー 5: Input/output error").
std::string systemErrorText(int error);

} // namespace zoruka
