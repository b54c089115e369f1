#include "output/render/PrintFonts.h"

#include <QFontDatabase>

#include <algorithm>
#include <array>
#include <string_view>

namespace zoruka {

namespace {

constexpr std::array<std::string_view, 3> kProportional = {"HG丸ゴシックM - PRO", "ＭＳＰ ゴシック",
                                                           "ＭＳ Ｐゴシック"};
constexpr std::string_view kFixedPitch = "ＭＳ ゴシック";

QString installed(const QString& wanted)
{
    return QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("IPAexGothic");
}

} // namespace

QFont printFont(const std::string& name, double points)
{
    QString family = QString::fromStdString(name);
    if (name == kFixedPitch) {
        family = installed(QStringLiteral("IPAGothic"));
    } else if (std::find(kProportional.begin(), kProportional.end(), name) != kProportional.end()) {
        family = installed(QStringLiteral("IPAPGothic"));
    }
    QFont font(family);
    font.setPointSizeF(points);
    // Should the family be missing, another Japanese-capable sans-serif beats Qt's arbitrary pick.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace zoruka
