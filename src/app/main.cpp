#include "app/MainMenu.h"
#include "common/ui/SystemFonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The database stays in the folder the program started in, wherever file choosers move later.
    const zoruka::DatabaseLocation& database = zoruka::DatabaseLocation::startFolder();
    QApplication app(argc, argv);
    zoruka::ui::fonts::installSubstitutes();
    if (const QString family = zoruka::ui::fonts::japaneseFamily(); !family.isEmpty()) {
        QFont font(family);
        font.setPointSize(10);
        QApplication::setFont(font);
    }

    zoruka::MainMenu menu(database);
    menu.show();
    return QApplication::exec();
}
