#pragma once

#include <QGuiApplication>

#include <memory>

namespace zoruka {

// The application object that rendering needs in a program without windows (the command line,
// tests). Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) and no platform chosen in
// QT_QPA_PLATFORM, it runs on Qt's "offscreen" platform. `argc` and `argv` must outlive it.
std::unique_ptr<QGuiApplication> makeRenderApplication(int& argc, char** argv);

} // namespace zoruka
