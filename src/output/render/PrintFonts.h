#pragma once

#include <QFont>

#include <string>

namespace zoruka {

// The font a print document's font name is drawn with, at `points`. The Japanese fonts the
// system names ("HG丸ゴシックM - PRO", "ＭＳＰ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ ゴシック") are
// not installed on this platform and become IPAex Gothic; any other name is looked up as it is.
QFont printFont(const std::string& name, double points);

} // namespace zoruka
