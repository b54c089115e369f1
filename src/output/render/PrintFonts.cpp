#include "output/render/PrintFonts.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zoruka {

namespace {

constexpr std::array<std::string_view, 4> kSystemFonts = {"HG丸ゴシックM - PRO", "ＭＳＰ ゴシック",
                                                          "ＭＳ Ｐゴシック", "ＭＳ ゴシック"};

constexpr const char* kInstalledGothic = "IPAexGothic";

} // namespace

QFont printFont(const std::string& name, double points)
{
    const bool isSystemFont =
        std::find(kSystemFonts.begin(), kSystemFonts.end(), name) != kSystemFonts.end();
    QFont font(isSystemFont ? QString::fromLatin1(kInstalledGothic) : QString::fromStdString(name));
    font.setPointSizeF(points);
    // Should the family be missing, another Japanese-capable sans-serif beats Qt's arbitrary pick.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace zoruka
