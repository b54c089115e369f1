#include "accounts/ui/HandOverScreen.h"

#include "accounts/AnnualReport.h"
#include "accounts/HandOver.h"
#include "accounts/ui/FiscalYearCombo.h"
#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/FormWidgets.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/StoreCall.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"
#include "output/ui/PrintFlow.h"
#include "registers/ClubSettings.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zoruka {

namespace {

using namespace hand_over;

constexpr int kPointSize = 10;

const QString kContents = QStringLiteral("作成するフォルダには、データベースの写し、年度の年間収支"
                                         "報告書（PDF）、年度の出納帳と会費明細、"
                                         "会員名簿（CSV）と、それぞれの説明（%1）が入ります。");

} // namespace

HandOverScreen::HandOverScreen(const DatabaseLocation& database, QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(database), m_title(ui::toQString(kTitle)),
      m_startMonth(club_settings::kDefaultFiscalStartMonth)
{
    setObjectName(QStringLiteral("d引継ぎ"));
    setWindowTitle(m_title);
    setFont(ui::fonts::font(ui::fonts::kPGothic, kPointSize));

    ui::runOnStore(this, m_title,
                   [&] { m_startMonth = club_settings::fiscalStartMonth(m_location); });
    m_year = ui::makeFiscalYearCombo(this, m_startMonth, 1);
    m_folder = ui::makeTextBox(this, QStringLiteral("出力先"));
    m_folder->setText(
        QDir::toNativeSeparators(QString::fromStdString(m_location.file().parent_path().string())));
    m_folder->setMinimumWidth(340);
    auto* browse = ui::makeButton(this, QStringLiteral("B参照"), QStringLiteral("参照…"));

    QGroupBox* encoding =
        ui::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("CSVの文字コード"));
    m_shiftJis =
        ui::makeOption(encoding, QStringLiteral("R_SJIS"), QStringLiteral("Shift_JIS (Excel)"));
    auto* utf8 =
        ui::makeOption(encoding, QStringLiteral("R_UTF8"), QStringLiteral("UTF-8 (BOM付き)"));
    m_shiftJis->setChecked(true);
    auto* encodings = new QHBoxLayout(encoding);
    encodings->addWidget(m_shiftJis);
    encodings->addWidget(utf8);
    encodings->addStretch();

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(m_year);
    yearRow->addWidget(ui::makeLabel(this, QStringLiteral("年度")));
    yearRow->addStretch();
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);
    form->addWidget(ui::makeLabel(this, QStringLiteral("年度")), 0, 0);
    form->addLayout(yearRow, 0, 1);
    form->addWidget(ui::makeLabel(this, QStringLiteral("出力先")), 1, 0);
    form->addLayout(folderRow, 1, 1);

    QLabel* contents = ui::makeLabel(this, kContents.arg(ui::toQString(kReadMe)));
    contents->setWordWrap(true);

    auto* runButton = ui::makeButton(this, QStringLiteral("B実行"), QStringLiteral("実行"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    quit->setFont(ui::fonts::font(ui::fonts::kGothic, kPointSize));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {runButton, quit}) {
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(encoding);
    layout->addWidget(contents);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(560, 300);

    connect(browse, &QPushButton::clicked, this, &HandOverScreen::chooseFolder);
    connect(runButton, &QPushButton::clicked, this, &HandOverScreen::run);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void HandOverScreen::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, m_title, m_folder->text());
    if (!folder.isEmpty()) {
        m_folder->setText(QDir::toNativeSeparators(folder));
    }
}

void HandOverScreen::run()
{
    const std::optional<FiscalYear> year = ui::chosenFiscalYear(m_year, m_startMonth);
    if (!year) {
        ui::MessageBox::warning(this, m_title, ui::toQString(annual_report::kBadYear));
        return;
    }
    const QString folder = m_folder->text().trimmed();
    const bool blank = folder.isEmpty();
    const bool missing = !blank && !QFileInfo(folder).isDir();
    ui::FieldCheck::mark(m_folder, blank || missing);
    if (blank || missing) {
        ui::MessageBox::warning(this, m_title, ui::toQString(blank ? kNoFolder : kFolderMissing));
        return;
    }
    const QString target = QDir(folder).filePath(ui::toQString(handOverFolderName(*year)));
    if (!ui::MessageBox::askYesNo(this, m_title,
                                  ui::toQString(kConfirm) + QLatin1Char('\n') +
                                      QDir::toNativeSeparators(target))) {
        return;
    }
    const TextEncoding encoding =
        m_shiftJis->isChecked() ? TextEncoding::ShiftJis : TextEncoding::Utf8;
    std::filesystem::path written;
    const bool done = ui::runOnStore(this, m_title, [&] {
        ui::BusyCursor busy;
        written = writeHandOver(m_location, ui::toUtf8(folder), *year, encoding, ui::pdfOfSheets);
    });
    if (done) {
        ui::MessageBox::information(
            this, m_title,
            ui::toQString(kDone) + QLatin1Char('\n') +
                QDir::toNativeSeparators(QString::fromStdString(written.string())));
    }
}

} // namespace zoruka
