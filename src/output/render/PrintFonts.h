#pragma once

#include <QFont>

#include <string>

namespace zoruka {

// The font a print document's font name is drawn with, at `points`. The Japanese fonts the
// system names are not installed on this platform: the proportional ones ("HG丸ゴシックM - PRO",
// "ＭＳＰ ゴシック", "ＭＳ Ｐゴシック") become IPA P Gothic and the fixed-pitch "ＭＳ ゴシック"
// IPA Gothic, so that full-width headings keep the widths the layouts were drawn for; IPAex
// Gothic stands in where those are missing. Any other name is looked up as it is.
QFont printFont(const std::string& name, double points);

} // namespace zoruka
