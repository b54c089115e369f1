#include "common/ui/MessageBox.h"

#include <QMessageBox>
#include <QQueue>

namespace zoruka::ui {

namespace {

struct ScriptState {
    bool active = false;
    QQueue<bool> answers;
    QList<MessageBox::Shown> shown;
};

ScriptState& script()
{
    static ScriptState state;
    return state;
}

} // namespace

void MessageBox::warning(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, Icon::Warning, title, text);
}

void MessageBox::information(QWidget* parent, const QString& title, const QString& text)
{
    show(parent, Icon::Information, title, text);
}

bool MessageBox::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, Icon::Question, title, text);
}

bool MessageBox::show(QWidget* parent, Icon icon, const QString& title, const QString& text)
{
    ScriptState& state = script();
    if (state.active) {
        state.shown.append({icon, title, text});
        if (icon != Icon::Question) {
            return true;
        }
        return !state.answers.isEmpty() && state.answers.dequeue();
    }

    const bool question = icon == Icon::Question;
    const QMessageBox::Icon boxIcon = icon == Icon::Warning       ? QMessageBox::Warning
                                      : icon == Icon::Information ? QMessageBox::Information
                                                                  : QMessageBox::Question;
    QMessageBox box(boxIcon, title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    return box.exec() != QMessageBox::No;
}

MessageBox::Script::Script() { script() = ScriptState{true, {}, {}}; }

MessageBox::Script::~Script() { script() = ScriptState{}; }

void MessageBox::Script::answer(bool yes) { script().answers.enqueue(yes); }

const QList<MessageBox::Shown>& MessageBox::Script::shown() const { return script().shown; }

int MessageBox::Script::unusedAnswers() const { return static_cast<int>(script().answers.size()); }

void MessageBox::Script::clear()
{
    script().shown.clear();
    script().answers.clear();
}

} // namespace zoruka::ui
