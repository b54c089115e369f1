#include "common/ui/FieldCheck.h"

#include "common/ui/Palette.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QWidget>

namespace zoruka::ui {

namespace {

// Typed text is drawn in Text, labels in WindowText and a button-like control's text in
// ButtonText; an editable combo's arrow is ButtonText too, and stays as it is.
void setTextColour(QWidget* widget, const QColor& colour)
{
    auto* combo = qobject_cast<QComboBox*>(widget);
    const bool buttonText = !(combo && combo->isEditable());
    QPalette pal = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Text, colour);
        pal.setColor(group, QPalette::WindowText, colour);
        if (buttonText) {
            pal.setColor(group, QPalette::ButtonText, colour);
        }
    }
    widget->setPalette(pal);
}

class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QWidget* field, std::function<bool()> fails)
        : QObject(field), m_field(field), m_fails(std::move(fails))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                FieldCheck::mark(m_field, m_fails());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_field;
    std::function<bool()> m_fails;
};

} // namespace

void FieldCheck::mark(QWidget* field, bool failed)
{
    const QColor colour = failed ? palette::lightRed() : palette::black();
    setTextColour(field, colour);
    // An editable combo draws its text in its line edit, which may hold its own palette.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        setTextColour(combo->lineEdit(), colour);
    }
}

bool FieldCheck::markAll(const QList<QWidget*>& fields, const QList<bool>& failed)
{
    Q_ASSERT(fields.size() == failed.size());
    QWidget* first = nullptr;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        mark(fields[i], failed[i]);
        if (failed[i] && !first) {
            first = fields[i];
        }
    }
    if (first) {
        first->setFocus(Qt::OtherFocusReason);
    }
    return first != nullptr;
}

void FieldCheck::checkOnLeave(QWidget* field, std::function<bool()> fails)
{
    auto* watcher = new LeaveWatcher(field, std::move(fails));
    // An editable combo's line edit hands its focus to the combo, so the combo sees the loss.
    field->installEventFilter(watcher);
}

QColor FieldCheck::textColour(const QWidget* field)
{
    return field->palette().color(QPalette::Active, QPalette::Text);
}

} // namespace zoruka::ui
