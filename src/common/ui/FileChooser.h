#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zoruka::ui {

// The program's file choosers. Tests switch to scripted mode with a FileChooser::Script: while
// one lives no dialog is shown, and each chooser takes the next queued answer (none queued, or an
// empty one, is the user cancelling); the folders the choosers started in are recorded.
class FileChooser {
public:
    // A folder, starting in `start`; empty when the user cancels.
    static QString folder(QWidget* parent, const QString& title, const QString& start);
    // An existing file matching `filter` ("バックアップ (*.mdb)"), starting in `start`; empty when
    // the user cancels.
    static QString openFile(QWidget* parent, const QString& title, const QString& start,
                            const QString& filter);

    class Script {
    public:
        Script();
        ~Script();
        Script(const Script&) = delete;
        Script& operator=(const Script&) = delete;

        // Queues what the next chooser returns.
        void answer(const QString& path);
        // The folders the choosers started in, oldest first.
        const QStringList& starts() const;
    };
};

} // namespace zoruka::ui
