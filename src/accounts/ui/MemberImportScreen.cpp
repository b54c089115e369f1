#include "accounts/ui/MemberImportScreen.h"

#include "common/UserError.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "registers/MemberRegister.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zoruka {

namespace {

using namespace member_import;

constexpr int kPointSize = 10;

} // namespace

MemberImportScreen::MemberImportScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_grid(this, QStringLiteral("取込一覧"))
{
    setObjectName(QStringLiteral("b会員取込"));
    setWindowTitle(m_title);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    m_path = ui::makeTextBox(this, QStringLiteral("入力ファイル"));
    m_path->setMinimumWidth(360);
    auto* browse = ui::makeButton(this, QStringLiteral("B参照"), QStringLiteral("参照…"));
    auto* read = ui::makeButton(this, QStringLiteral("B読込"), QStringLiteral("読込"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(ui::makeLabel(this, QStringLiteral("CSVファイル")));
    fileRow->addWidget(m_path, 1);
    fileRow->addWidget(browse);
    fileRow->addWidget(read);

    QGroupBox* registered =
        ui::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("登録済みの氏名"));
    auto* skip = ui::makeOption(registered, QStringLiteral("R飛ばす"), QStringLiteral("飛ばす"));
    m_update = ui::makeOption(registered, QStringLiteral("R更新"), QStringLiteral("更新する"));
    skip->setChecked(true);
    auto* options = new QHBoxLayout(registered);
    options->addWidget(skip);
    options->addWidget(m_update);
    m_encoding = ui::makeLabel(this, {}, QStringLiteral("文字コード"));
    m_counts = ui::makeLabel(this, {}, QStringLiteral("件数"));
    auto* planRow = new QHBoxLayout;
    planRow->addWidget(registered);
    planRow->addSpacing(16);
    planRow->addWidget(m_encoding);
    planRow->addSpacing(16);
    planRow->addWidget(m_counts);
    planRow->addStretch();

    auto* importButton = ui::makeButton(this, QStringLiteral("B取込"), QStringLiteral("取込"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {importButton, quit}) {
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(planRow);
    layout->addWidget(m_grid.table(), 1, Qt::AlignHCenter);
    layout->addLayout(buttons);
    resize(900, 560);

    m_grid.show(memberImportGrid({}));
    connect(browse, &QPushButton::clicked, this, &MemberImportScreen::chooseFile);
    connect(read, &QPushButton::clicked, this, &MemberImportScreen::readFile);
    connect(m_path, &QLineEdit::returnPressed, this, &MemberImportScreen::readFile);
    connect(m_update, &QRadioButton::toggled, this, [this] {
        if (m_file) {
            showPlan();
        }
    });
    connect(importButton, &QPushButton::clicked, this, &MemberImportScreen::import);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void MemberImportScreen::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, m_title, m_path->text(), QStringLiteral("CSVファイル (*.csv);;すべてのファイル (*)"));
    if (!path.isEmpty()) {
        m_path->setText(path);
        readFile();
    }
}

void MemberImportScreen::readFile()
{
    const std::string path = ui::toUtf8(m_path->text().trimmed());
    if (path.empty()) {
        ui::MessageBox::warning(this, m_title, ui::toQString(kNoFile));
        return;
    }
    try {
        m_file = readMemberCsvFile(path);
    } catch (const UserError& error) {
        m_file.reset();
        m_plan = {};
        m_grid.show(memberImportGrid(m_plan));
        m_encoding->clear();
        m_counts->clear();
        ui::MessageBox::warning(this, m_title, ui::toQString(error.what()));
        return;
    }
    m_encoding->setText(m_file->encoding == TextEncoding::ShiftJis
                            ? QStringLiteral("文字コード：Shift_JIS")
                            : QStringLiteral("文字コード：UTF-8"));
    showPlan();
}

bool MemberImportScreen::showPlan()
{
    std::vector<Member> members;
    if (!ui::runOnStore(this, m_title, [&] { members = MemberRegister(m_location).list(); })) {
        return false;
    }
    m_plan = planMemberImport(*m_file, members, m_update->isChecked());
    m_grid.show(memberImportGrid(m_plan));
    m_counts->setText(ui::toQString(m_plan.summary()));
    return true;
}

void MemberImportScreen::import()
{
    if (!m_file) {
        ui::MessageBox::warning(this, m_title, ui::toQString(kReadFirst));
        return;
    }
    if (!showPlan()) {
        return;
    }
    if (m_plan.count(ImportAction::Add) + m_plan.count(ImportAction::Update) == 0) {
        ui::MessageBox::warning(this, m_title, ui::toQString(kNothingToImport));
        return;
    }
    const QString question =
        ui::toQString(kConfirm) + QStringLiteral("\n") + ui::toQString(m_plan.summary());
    if (!ui::MessageBox::askYesNo(this, m_title, question)) {
        return;
    }
    if (!ui::runOnStore(this, m_title, [&] { importMembers(m_location, m_plan); })) {
        return;
    }
    const QString done =
        ui::toQString(kDone) + QStringLiteral("\n") + ui::toQString(m_plan.summary());
    showPlan();
    ui::MessageBox::information(this, m_title, done);
}

} // namespace zoruka
