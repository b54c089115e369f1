#pragma once

#include <QFont>
#include <QString>

namespace zoruka::ui {

// The fonts the system names, mapped onto installed Japanese fonts (IPAex Gothic first).
namespace fonts {
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック"); // proportional
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");    // fixed width

// Registers the system's font names as substitutes for the installed Japanese fonts, so that
// QFont(kPGothic) draws with IPAex Gothic. Safe to call more than once. Without any Japanese
// font installed the names fall back to Qt's default font.
void installSubstitutes();

// The first installed Japanese Gothic family, or an empty text when there is none.
QString japaneseFamily();

// One of the system's fonts at `pointSize` (substitutes installed on first use).
QFont font(const QString& systemName, int pointSize);
} // namespace fonts

} // namespace zoruka::ui
