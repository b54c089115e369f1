#pragma once

#include "store/DatabaseLocation.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace zoruka {

namespace backup_screen {

inline constexpr const char* kTitle = "バックアップ";
inline constexpr const char* kMade = "バックアップを作成しました。";
inline constexpr const char* kChooseOne = "復元するバックアップを選んでください。";
inline constexpr const char* kCloseOthers =
    "復元する前に、ほかの画面をすべて閉じてください（メニューは開いたままでかまいません）。";
inline constexpr const char* kRestored = "バックアップから復元しました。";

} // namespace backup_screen

// aバックアップ, "バックアップ": the backups of the club database in "バックアップ" beside it
// (`Lバックアップ`, newest first, with when and why each was made), "今すぐバックアップ" (`B作成`,
// into a folder the user chooses, a USB stick for instance), "復元" (`B復元`, the backup chosen
// in the list) and "ファイルから復元" (`B参照`, a backup anywhere). A restore asks first, and only
// while no other screen is open, since those show what the file held before; it then goes as
// restoreBackup() says, and the store's refusals are shown under "バックアップ".
class BackupScreen : public QWidget {
    Q_OBJECT

public:
    explicit BackupScreen(const DatabaseLocation& database = DatabaseLocation::startFolder(),
                          QWidget* parent = nullptr);

private:
    void showBackups();
    void makeBackup();
    void restoreChosen();
    void restoreFromFile();
    void restore(const QString& path, const QString& shownAs);
    bool otherScreensOpen() const;

    DatabaseLocation m_database;
    QString m_title;
    QListWidget* m_list = nullptr;
};

} // namespace zoruka
