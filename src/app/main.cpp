#include "app/MainMenu.h"
#include "common/ui/SystemFonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    zoruka::ui::fonts::installSubstitutes();
    if (const QString family = zoruka::ui::fonts::japaneseFamily(); !family.isEmpty()) {
        QFont font(family);
        font.setPointSize(10);
        QApplication::setFont(font);
    }

    zoruka::MainMenu menu;
    menu.show();
    return QApplication::exec();
}
