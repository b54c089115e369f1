#pragma once

#include "output/TextEncoding.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace zoruka {

// What one kind of table's export screen shows and writes.
struct CsvExportSpec {
    // The screen's name: "SB対戦CSV出力", "SBMix対戦CSV".
    QString objectName;
    // Its window title: "対戦CSV出力", "Mixダブルス対戦CSV出力".
    QString caption;
    // The title of its message boxes: "ゾルカ出力", "MixダブルスゾルカCSV".
    QString title;
    // Shown once the file is written.
    QString doneMessage;
    // Writes the table to `path` (UTF-8, absolute) in the chosen encoding; returns nothing when
    // done, else the message to show. Must be set: a caller without a table does not open the
    // screen (see table_csv::kNothingToExport).
    std::function<std::optional<std::string>(const std::string& path, TextEncoding)> write;
    // The file name the screen offers at first; empty for none.
    QString fileName = {};
};

// The modal CSV export screen shared by doubles and mixed doubles: the user picks a volume
// (`OUTDrive`), a folder (`OUTDir`; double-click enters, ".." goes up) and a "*.csv" file of it
// (`OUTFile`, which puts the bare name into `出力データ`), or types a name there, chooses the
// encoding (`R_SJIS` Shift_JIS, the default, or `R_UTF8` UTF-8 with BOM) and presses `B実行`.
// A bare name is resolved against the chosen folder, an absolute path is used as typed; the
// process's current directory is never changed. Messages go under kind.title: an empty name,
// a file that cannot be written (the screen stays open for another try), a volume or folder that
// cannot be read (the pickers stay where they were), and kind.doneMessage once written.
// The screen opens in the folder last chosen in any export screen of this run, else in the
// folder the program started in.
class CsvExportScreen : public QDialog {
    Q_OBJECT

public:
    explicit CsvExportScreen(CsvExportSpec kind, QWidget* parent = nullptr);

    // The folder the pickers show, absolute.
    QString folder() const { return m_folder; }

    // Shows `path` in the pickers, as choosing it there would. Returns false, changing nothing,
    // when it is not a folder that can be read.
    bool openFolder(const QString& path);

private:
    void fillDrives();
    void selectDriveOf(const QString& path);
    void chooseDrive(int index);
    void enterFolder(const QListWidgetItem* item);
    void showFolderContents();
    void run();

    CsvExportSpec m_kind;
    QString m_folder;
    QComboBox* m_drives = nullptr;
    QLineEdit* m_folderPath = nullptr;
    QListWidget* m_folders = nullptr;
    QListWidget* m_files = nullptr;
    QLineEdit* m_fileName = nullptr;
    QRadioButton* m_shiftJis = nullptr;
};

} // namespace zoruka
