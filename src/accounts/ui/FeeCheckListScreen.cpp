#include "accounts/ui/FeeCheckListScreen.h"

#include "accounts/print/FeeCheckListPrint.h"
#include "accounts/ui/MonthChoice.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "output/ui/PrintFlow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace zoruka {

namespace {

using namespace fee_check_list;

constexpr int kPointSize = 10;

// Stacks a frame's option buttons one above the other.
void stack(QGroupBox* frame, std::initializer_list<QRadioButton*> options)
{
    auto* column = new QVBoxLayout(frame);
    for (QRadioButton* option : options) {
        column->addWidget(option);
    }
}

} // namespace

FeeCheckListScreen::FeeCheckListScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_combos(this, false)
{
    setObjectName(QStringLiteral("c会費集金v3"));
    setWindowTitle(QStringLiteral("会費チェックリスト"));
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    QGroupBox* order = ui::makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("出力順"));
    m_readingOrder = ui::makeOption(order, QStringLiteral("Rアイ"), QStringLiteral("アイウエオ順"));
    auto* listingOrder =
        ui::makeOption(order, QStringLiteral("R出力順"), QStringLiteral("登録出力順"));
    stack(order, {m_readingOrder, listingOrder});
    QGroupBox* members = ui::makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("会員出力"));
    m_markInactive = ui::makeOption(members, QStringLiteral("Rマーク"),
                                    QStringLiteral("登録無効者マークして出力"));
    m_leaveOutInactive =
        ui::makeOption(members, QStringLiteral("R無効者"), QStringLiteral("登録無効者出力しない"));
    auto* everybody =
        ui::makeOption(members, QStringLiteral("R全員"), QStringLiteral("登録者全員出力"));
    stack(members, {m_markInactive, m_leaveOutInactive, everybody});
    m_readingOrder->setChecked(true);
    everybody->setChecked(true);

    auto* print = ui::makeButton(this, QStringLiteral("B印刷"), QStringLiteral("印刷"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));

    auto* month = new QHBoxLayout;
    ui::addMonthChoice(month, this, m_combos);
    month->addStretch();

    auto* options = new QHBoxLayout;
    options->addWidget(order, 0, Qt::AlignTop);
    options->addWidget(members, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addCommandButtons(buttons, {print, quit});

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    layout->addLayout(month);
    layout->addLayout(options);
    layout->addLayout(buttons);

    connect(print, &QPushButton::clicked, this, &FeeCheckListScreen::print);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void FeeCheckListScreen::print()
{
    const std::optional<EntryDate> first = firstOfMonth(m_combos.yearText(), m_combos.monthText());
    m_combos.mark(!first);
    if (!first) {
        ui::MessageBox::warning(this, m_title, ui::toQString(kBadMonth));
        return;
    }
    const MemberOrder order =
        m_readingOrder->isChecked() ? MemberOrder::Reading : MemberOrder::Listing;
    const InactiveMembers inactive = m_markInactive->isChecked()       ? InactiveMembers::Marked
                                     : m_leaveOutInactive->isChecked() ? InactiveMembers::LeftOut
                                                                       : InactiveMembers::Listed;
    FeeCheckList list;
    if (!ui::runOnStore(this, m_title,
                        [&] { list = readFeeCheckList(m_location, *first, order, inactive); })) {
        return;
    }
    if (list.days.empty() &&
        !ui::MessageBox::askYesNo(this, m_title, ui::toQString(kNoPracticeDays))) {
        return;
    }
    ui::printTable(this, printFeeCheckList(list), m_title, QString());
}

} // namespace zoruka
