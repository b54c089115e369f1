#include "matchtable/ui/LineupChangeDialog.h"

#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Widgets.h"
#include "matchtable/RunParameters.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zoruka {

LineupChangeDialog::LineupChangeDialog(QWidget* screen, QString messageTitle, int builtGames,
                                       const std::vector<CountField>& counts,
                                       const std::vector<QString>& leavingLabels,
                                       std::function<std::optional<QString>(const Entry&)> validate)
    : QDialog(screen), m_messageTitle(std::move(messageTitle)), m_validate(std::move(validate))
{
    setObjectName(QStringLiteral("SB途中変更"));
    setWindowTitle(QStringLiteral("途中変更"));

    auto* form = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field) {
        form->addWidget(ui::makeLabel(this, label), row, 0);
        form->addWidget(field, row, 1);
        ++row;
    };
    m_fromGame = ui::makeCombo(this, QStringLiteral("C変更試合"));
    ui::addNumberItems(m_fromGame, 2, builtGames + 1);
    m_fromGame->setCurrentIndex(m_fromGame->count() - 1);
    addRow(QStringLiteral("変更する試合"), m_fromGame);
    for (const CountField& count : counts) {
        QComboBox* combo = ui::makeCombo(this, count.combo);
        ui::addNumberItems(combo, 0, kMaxCount);
        combo->setEditText(count.text);
        m_counts.push_back(combo);
        addRow(count.label, combo);
    }
    for (std::size_t group = 0; group < leavingLabels.size(); ++group) {
        const QString name =
            leavingLabels.size() == 1
                ? QStringLiteral("抜ける番号")
                : QStringLiteral("抜ける番号") + QChar(static_cast<char16_t>(u'A' + group));
        QLineEdit* box = ui::makeTextBox(this, name);
        box->setPlaceholderText(QStringLiteral("例 3,8"));
        m_leaving.push_back(box);
        addRow(leavingLabels[group], box);
    }

    auto* change = ui::makeButton(this, QStringLiteral("B変更"), QStringLiteral("変更"));
    auto* cancel = ui::makeButton(this, QStringLiteral("B取消"), QStringLiteral("取消"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(change);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(change, &QPushButton::clicked, this, &LineupChangeDialog::change);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

LineupChangeDialog::Entry LineupChangeDialog::entry() const
{
    Entry entry;
    entry.fromGame = m_fromGame->currentText();
    for (const QComboBox* combo : m_counts) {
        entry.counts.push_back(combo->currentText());
    }
    for (const QLineEdit* box : m_leaving) {
        entry.leaving.push_back(box->text());
    }
    return entry;
}

void LineupChangeDialog::change()
{
    if (const auto message = m_validate(entry())) {
        ui::MessageBox::warning(this, m_messageTitle, *message);
        return;
    }
    accept();
}

} // namespace zoruka
