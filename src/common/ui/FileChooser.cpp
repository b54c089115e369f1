#include "common/ui/FileChooser.h"

#include <QFileDialog>
#include <QQueue>

#include <optional>

namespace zoruka::ui {

namespace {

struct ScriptState {
    bool active = false;
    QQueue<QString> answers;
    QStringList starts;
};

ScriptState& script()
{
    static ScriptState state;
    return state;
}

// The scripted answer, or nothing when no script runs.
std::optional<QString> scripted(const QString& start)
{
    ScriptState& state = script();
    if (!state.active) {
        return std::nullopt;
    }
    state.starts.append(start);
    return state.answers.isEmpty() ? QString() : state.answers.dequeue();
}

} // namespace

QString FileChooser::folder(QWidget* parent, const QString& title, const QString& start)
{
    if (const auto answer = scripted(start)) {
        return *answer;
    }
    return QFileDialog::getExistingDirectory(parent, title, start);
}

QString FileChooser::openFile(QWidget* parent, const QString& title, const QString& start,
                              const QString& filter)
{
    if (const auto answer = scripted(start)) {
        return *answer;
    }
    return QFileDialog::getOpenFileName(parent, title, start, filter);
}

FileChooser::Script::Script() { script() = ScriptState{true, {}, {}}; }

FileChooser::Script::~Script() { script() = ScriptState{}; }

void FileChooser::Script::answer(const QString& path) { script().answers.enqueue(path); }

const QStringList& FileChooser::Script::starts() const { return script().starts; }

} // namespace zoruka::ui
