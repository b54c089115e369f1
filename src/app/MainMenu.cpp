#include "app/MainMenu.h"

#include "app/AboutBox.h"
#include "app/MenuEntries.h"
#include "app/StartupRoutine.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "store/DatabaseStart.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

constexpr int kButtonColumns = 2;
constexpr int kCaptionPointSize = 11;

} // namespace

MainMenu::MainMenu(QWidget* parent) : MainMenu(StartupValues::systemToday(), parent) {}

MainMenu::MainMenu(const CalendarDate& today, QWidget* parent) : QWidget(parent)
{
    StartupRoutine::run(today);
    build();
}

MainMenu::MainMenu(const DatabaseLocation& database, QWidget* parent) : MainMenu(parent)
{
    prepareDatabase(database);
}

void MainMenu::prepareDatabase(const DatabaseLocation& database)
{
    ui::runOnStore(this, windowTitle(), [&] {
        for (const std::string& notice : startDatabase(database)) {
            ui::MessageBox::warning(this, windowTitle(), ui::toQString(notice));
        }
    });
}

void MainMenu::build()
{
    setObjectName(QStringLiteral("aメニュv4"));
    setWindowTitle(QStringLiteral("ゾルカ"));
    const QFont captionFont = ui::fonts::font(ui::fonts::kPGothic, kCaptionPointSize);
    setFont(captionFont);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    QGridLayout* pages[2]{};
    for (const auto& [page, title] : {std::pair{MenuPage::MatchTables, QStringLiteral("ゾルカ")},
                                      std::pair{MenuPage::Accounts, QStringLiteral("会費収支")}}) {
        auto* widget = new QWidget(tabs);
        auto* grid = new QGridLayout(widget);
        grid->setSpacing(12);
        grid->setContentsMargins(18, 18, 18, 18);
        tabs->addTab(widget, title);
        pages[static_cast<int>(page)] = grid;
    }

    for (const MenuEntry& entry : menuEntries()) {
        QGridLayout* grid = pages[static_cast<int>(entry.page)];
        auto* button = ui::makeButton(grid->parentWidget(), entry.button, entry.caption);
        button->setMinimumSize(190, 44);
        button->setEnabled(static_cast<bool>(entry.makeScreen));
        connect(button, &QPushButton::clicked, this, [this, &entry] { open(entry); });
        const int index = grid->count();
        grid->addWidget(button, index / kButtonColumns, index % kButtonColumns);
    }
    for (QGridLayout* grid : pages) {
        grid->setRowStretch(grid->rowCount(), 1);
    }

    auto* quit = ui::makeButton(this, QStringLiteral("終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kCaptionPointSize));
    quit->setMinimumSize(110, 36);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto* about =
        ui::makeButton(this, QStringLiteral("Bバージョン情報"), QStringLiteral("バージョン情報"));
    about->setMinimumSize(130, 36);
    connect(about, &QPushButton::clicked, this, [this] { showAboutBox(this); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(about);
    bottom->addStretch();
    bottom->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(bottom);
    resize(480, 340);
}

void MainMenu::open(const MenuEntry& entry)
{
    QPointer<QWidget>& screen = m_screens[entry.button];
    if (!screen) {
        screen = entry.makeScreen();
        screen->setAttribute(Qt::WA_DeleteOnClose);
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
}

} // namespace zoruka
