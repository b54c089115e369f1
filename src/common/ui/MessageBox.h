#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace zoruka::ui {

// Every message box of the program goes through here. The caller passes its own screen's title.
//
// Tests switch to scripted mode with a MessageBox::Script: while one lives no box is shown (so
// nothing modal blocks), every box is recorded in shown(), and each Yes/No box takes the next
// queued answer — or No, the answer that abandons the action, when none is queued.
class MessageBox {
public:
    enum class Icon { Warning, Information, Question };

    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };

    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void information(QWidget* parent, const QString& title, const QString& text);
    // A Yes/No confirmation; true for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& text);

    class Script {
    public:
        Script();
        ~Script();
        Script(const Script&) = delete;
        Script& operator=(const Script&) = delete;

        // Queues the answer of the next Yes/No box (true = Yes).
        void answer(bool yes);
        // Boxes shown since the script started, oldest first.
        const QList<Shown>& shown() const;
        // Queued answers no box has taken yet.
        int unusedAnswers() const;
        void clear();
    };

private:
    static bool show(QWidget* parent, Icon icon, const QString& title, const QString& text);
};

} // namespace zoruka::ui
