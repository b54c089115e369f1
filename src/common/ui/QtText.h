#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zoruka::ui {

// The core speaks UTF-8 std::string; the screens speak QString. These are the only crossings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) { return text.toStdString(); }

} // namespace zoruka::ui
