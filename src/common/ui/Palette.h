#pragma once

#include <QColor>

namespace zoruka::ui {

// The colours of the basic 16-colour palette that the screens use (by palette number).
namespace palette {
inline QColor black() { return {0, 0, 0}; }        // 0
inline QColor lightBlue() { return {0, 0, 255}; }  // 9
inline QColor lightGreen() { return {0, 255, 0}; } // 10
inline QColor lightRed() { return {255, 0, 0}; }   // 12
inline QColor yellow() { return {255, 255, 0}; }   // 14
inline QColor white() { return {255, 255, 255}; }  // 15
} // namespace palette

} // namespace zoruka::ui
