#include "app/MainMenu.h"
#include "app/StartOptions.h"
#include "common/ProgramVersion.h"
#include "common/UserError.h"
#include "common/ui/MessageBox.h"
#include "common/ui/SystemFonts.h"

#include <QApplication>
#include <QIcon>

#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    using namespace zoruka;
    const StartOptions options = StartOptions::parse(argc, argv);
    if (!options.error.empty()) {
        std::cerr << StartOptions::refusal(options.error);
        return 2;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? StartOptions::usage()
                                   : "zoruka " + std::string(programVersion()) + "\n");
        return 0;
    }
    QApplication app(argc, argv);
    if (argc > 1) {
        std::cerr << StartOptions::refusal(StartOptions::unknownArgument(argv[1]));
        return 2;
    }
    QApplication::setDesktopFileName(QStringLiteral(ZORUKA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ZORUKA_APP_ID)));
    ui::fonts::installSubstitutes();
    if (const QString family = ui::fonts::japaneseFamily(); !family.isEmpty()) {
        QFont font(family);
        font.setPointSize(10);
        QApplication::setFont(font);
    }

    // The data folder becomes the start folder, and the database stays there wherever file
    // choosers move the current directory later.
    try {
        const DataFolderRequest& request = options.dataFolder;
        const std::filesystem::path home =
            request.home ? DataFolder::userHome() : std::filesystem::path();
        DataFolder::choose(request, DataFolder::startFolder(), home).enter();
    } catch (const UserError& error) {
        ui::MessageBox::warning(nullptr, QStringLiteral("ゾルカ"), QString::fromUtf8(error.what()));
        return 1;
    }
    MainMenu menu(DatabaseLocation::startFolder());
    menu.show();
    return QApplication::exec();
}
