#include "output/render/RenderApplication.h"

#include <cstdlib>

namespace zoruka {

std::unique_ptr<QGuiApplication> makeRenderApplication(int& argc, char** argv)
{
    const bool hasDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!hasDisplay) {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace zoruka
