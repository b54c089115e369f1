#include "store/ui/BackupScreen.h"

#include "common/ui/FileChooser.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "store/Backups.h"
#include "store/Restore.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zoruka {

namespace {

constexpr int kPointSize = 10;
// The menu stays open during a restore: it shows nothing of the file.
const QString kMenuName = QStringLiteral("aメニュv4");

QString pathText(const std::filesystem::path& path) { return ui::toQString(path.string()); }

} // namespace

BackupScreen::BackupScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_database(database),
      m_title(QString::fromUtf8(backup_screen::kTitle))
{
    setObjectName(QStringLiteral("aバックアップ"));
    setWindowTitle(m_title);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    auto* where =
        ui::makeLabel(this, QStringLiteral("保存先：") + pathText(backupFolder(m_database)));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Lバックアップ"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* make =
        ui::makeButton(this, QStringLiteral("B作成"), QStringLiteral("今すぐバックアップ"));
    auto* restore = ui::makeButton(this, QStringLiteral("B復元"), QStringLiteral("復元"));
    auto* fromFile =
        ui::makeButton(this, QStringLiteral("B参照"), QStringLiteral("ファイルから復元"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {make, restore, fromFile}) {
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    quit->setMinimumSize(88, 32);
    buttons->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(where);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(make, &QPushButton::clicked, this, &BackupScreen::makeBackup);
    connect(restore, &QPushButton::clicked, this, &BackupScreen::restoreChosen);
    connect(fromFile, &QPushButton::clicked, this, &BackupScreen::restoreFromFile);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    showBackups();
}

void BackupScreen::showBackups()
{
    m_list->clear();
    for (const BackupFile& backup : listBackups(backupFolder(m_database))) {
        auto* item = new QListWidgetItem(ui::toQString(backup.shownTime()) + QStringLiteral("　") +
                                             ui::toQString(backup.label),
                                         m_list);
        item->setData(Qt::UserRole, pathText(backup.path));
        item->setToolTip(pathText(backup.path.filename()));
    }
}

void BackupScreen::makeBackup()
{
    const QString folder = ui::FileChooser::folder(this, QStringLiteral("バックアップの保存先"),
                                                   pathText(backupFolder(m_database)));
    if (folder.isEmpty()) {
        return;
    }
    ui::runOnStore(this, m_title, [&] {
        const auto made = writeBackup(m_database, folder.toStdString(), BackupReason::Manual);
        ui::MessageBox::information(this, m_title,
                                    QString::fromUtf8(backup_screen::kMade) + QStringLiteral("\n") +
                                        pathText(made));
    });
    showBackups();
}

void BackupScreen::restoreChosen()
{
    const QListWidgetItem* chosen = m_list->currentItem();
    if (chosen == nullptr) {
        ui::MessageBox::warning(this, m_title, QString::fromUtf8(backup_screen::kChooseOne));
        return;
    }
    restore(chosen->data(Qt::UserRole).toString(), chosen->text());
}

void BackupScreen::restoreFromFile()
{
    const QString path = ui::FileChooser::openFile(this, QStringLiteral("復元するバックアップ"),
                                                   pathText(backupFolder(m_database)),
                                                   QStringLiteral("バックアップ (*.mdb)"));
    if (!path.isEmpty()) {
        restore(path, QFileInfo(path).fileName());
    }
}

void BackupScreen::restore(const QString& path, const QString& shownAs)
{
    if (otherScreensOpen()) {
        ui::MessageBox::warning(this, m_title, QString::fromUtf8(backup_screen::kCloseOthers));
        return;
    }
    if (!ui::MessageBox::askYesNo(this, m_title,
                                  QStringLiteral("データベースを「") + shownAs +
                                      QStringLiteral("」の内容に戻します。いまの内容は「復元前」"
                                                     "のバックアップとして残します。"))) {
        return;
    }
    if (ui::runOnStore(this, m_title, [&] { restoreBackup(m_database, path.toStdString()); })) {
        ui::MessageBox::information(this, m_title, QString::fromUtf8(backup_screen::kRestored));
    }
    showBackups();
}

bool BackupScreen::otherScreensOpen() const
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [this](const QWidget* window) {
        return window != this && window->isVisible() && window->windowType() == Qt::Window &&
               window->objectName() != kMenuName;
    });
}

} // namespace zoruka
