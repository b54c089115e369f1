#include "app/AboutBox.h"

#include "common/ProgramVersion.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "store/DatabaseLocation.h"

namespace zoruka {

QString aboutText(const std::filesystem::path& dataFolder)
{
    // The package depends on these fonts; screens and printed sheets draw with them.
    return QStringLiteral("ゾルカ　バージョン %1\n\n"
                          "データのフォルダ:\n%2\n\n"
                          "文字: IPAexゴシック、IPAゴシック、IPA Pゴシック\n"
                          "（IPAフォントライセンスv1.0。全文は\n"
                          "/usr/share/doc/fonts-ipaexfont-gothic/copyright）")
        .arg(ui::toQString(programVersion()), ui::toQString(dataFolder.string()));
}

void showAboutBox(QWidget* parent)
{
    ui::MessageBox::information(parent, QStringLiteral("バージョン情報"),
                                aboutText(DatabaseLocation::startFolder().file().parent_path()));
}

} // namespace zoruka
