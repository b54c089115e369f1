#include "output/ui/CsvExportScreen.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/Widgets.h"
#include "output/OutputFile.h"
#include "store/DatabaseLocation.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

namespace zoruka {

namespace {

const QString kInvalidDrive = QStringLiteral("無効なdriveを指定しています");
const QString kInvalidFolder = QStringLiteral("無効なフォルダを指定しています");
const QString kUp = QStringLiteral("..");

// The folder the export screens open in: the one last chosen in this run, so that a second
// export lands beside the first.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

QString startFolder()
{
    return QString::fromStdString(DatabaseLocation::startFolder().file().parent_path().string());
}

QListWidget* makeList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

} // namespace

CsvExportScreen::CsvExportScreen(CsvExportSpec kind, QWidget* parent)
    : QDialog(parent), m_kind(std::move(kind))
{
    setObjectName(m_kind.objectName);
    setWindowTitle(m_kind.caption);
    setModal(true);

    auto* frame = new QGroupBox(QStringLiteral("CSVファイル"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    m_drives = new QComboBox(frame);
    m_drives->setObjectName(QStringLiteral("OUTDrive"));
    m_folderPath = new QLineEdit(frame);
    m_folderPath->setReadOnly(true);
    m_folderPath->setFocusPolicy(Qt::NoFocus);
    m_folders = makeList(frame, QStringLiteral("OUTDir"));
    m_files = makeList(frame, QStringLiteral("OUTFile"));
    m_fileName = new QLineEdit(frame);
    m_fileName->setObjectName(QStringLiteral("出力データ"));
    m_fileName->setText(m_kind.fileName);

    auto* pickers = new QGridLayout(frame);
    pickers->setHorizontalSpacing(12);
    pickers->addWidget(ui::makeLabel(frame, QStringLiteral("出力先情報")), 0, 0, 1, 2);
    pickers->addWidget(m_drives, 1, 0);
    pickers->addWidget(m_folderPath, 1, 1);
    pickers->addWidget(m_folders, 2, 0);
    pickers->addWidget(m_files, 2, 1);
    pickers->addWidget(ui::makeLabel(frame, QStringLiteral("出力ファイル名")), 3, 0, 1, 2);
    pickers->addWidget(m_fileName, 4, 0, 1, 2);
    pickers->setColumnStretch(0, 1);
    pickers->setColumnStretch(1, 1);
    pickers->setRowStretch(2, 1);

    auto* encoding = new QGroupBox(QStringLiteral("文字コード"), this);
    m_shiftJis = new QRadioButton(QStringLiteral("Shift_JIS (Excel)"), encoding);
    m_shiftJis->setObjectName(QStringLiteral("R_SJIS"));
    m_shiftJis->setChecked(true);
    auto* utf8 = new QRadioButton(QStringLiteral("UTF-8 (BOM付き)"), encoding);
    utf8->setObjectName(QStringLiteral("R_UTF8"));
    auto* encodings = new QHBoxLayout(encoding);
    encodings->addWidget(m_shiftJis);
    encodings->addWidget(utf8);
    encodings->addStretch();

    auto* run = ui::makeButton(this, QStringLiteral("B実行"), QStringLiteral("実行"));
    auto* quit = ui::makeButton(this, QStringLiteral("B終了"), QStringLiteral("終了"));
    // Enter in the file name runs the export, as pressing "実行" would.
    run->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {run, quit}) {
        button->setMinimumSize(88, 32);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addWidget(encoding);
    layout->addLayout(buttons);
    resize(600, 440);

    fillDrives();
    for (const QString& folder :
         {lastFolder(), startFolder(), QDir::homePath(), QDir::rootPath()}) {
        if (!folder.isEmpty() && openFolder(folder)) {
            break;
        }
    }

    connect(m_drives, &QComboBox::currentIndexChanged, this, &CsvExportScreen::chooseDrive);
    connect(m_folders, &QListWidget::itemActivated, this, &CsvExportScreen::enterFolder);
    // A click picks a file, and so does moving through the list with the keys; the click also
    // covers choosing the current file again after typing another name.
    const auto takeFileName = [this](const QListWidgetItem* item) {
        if (item) {
            m_fileName->setText(item->text());
        }
    };
    connect(m_files, &QListWidget::itemClicked, this, takeFileName);
    connect(m_files, &QListWidget::currentItemChanged, this, takeFileName);
    connect(run, &QPushButton::clicked, this, &CsvExportScreen::run);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
}

bool CsvExportScreen::openFolder(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        return false;
    }
    m_folder = QDir::cleanPath(info.absoluteFilePath());
    lastFolder() = m_folder;
    m_folderPath->setText(QDir::toNativeSeparators(m_folder));
    showFolderContents();
    selectDriveOf(m_folder);
    return true;
}

void CsvExportScreen::fillDrives()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers mount single files too (/etc/hosts); only folders can hold the export.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) {
            roots << volume.rootPath();
        }
    }
    roots.sort();
    roots.removeDuplicates();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    const QSignalBlocker quiet(m_drives);
    for (const QString& root : roots) {
        m_drives->addItem(icon, root);
    }
}

void CsvExportScreen::selectDriveOf(const QString& path)
{
    const QString root = QStorageInfo(path).rootPath();
    const QSignalBlocker quiet(m_drives);
    int index = m_drives->findText(root);
    if (index < 0 && !root.isEmpty()) {
        m_drives->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root);
        index = m_drives->count() - 1;
    }
    m_drives->setCurrentIndex(index);
}

void CsvExportScreen::chooseDrive(int index)
{
    if (index < 0) {
        return;
    }
    if (!openFolder(m_drives->itemText(index))) {
        ui::MessageBox::warning(this, m_kind.title, kInvalidDrive);
        selectDriveOf(m_folder);
    }
}

void CsvExportScreen::enterFolder(const QListWidgetItem* item)
{
    if (!openFolder(QDir::cleanPath(QDir(m_folder).filePath(item->text())))) {
        ui::MessageBox::warning(this, m_kind.title, kInvalidFolder);
        // The folder may have gone since the list was filled.
        showFolderContents();
    }
}

void CsvExportScreen::showFolderContents()
{
    const QDir dir(m_folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;

    m_folders->clear();
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    if (!dir.isRoot()) {
        m_folders->addItem(
            new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent), kUp));
    }
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, order)) {
        m_folders->addItem(new QListWidgetItem(folderIcon, name));
    }

    // Refilling the list is no choice of the user's, so it must not touch the typed name.
    const QSignalBlocker quiet(m_files);
    m_files->clear();
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, order)) {
        m_files->addItem(new QListWidgetItem(fileIcon, name));
    }
}

void CsvExportScreen::run()
{
    const QString name = m_fileName->text();
    if (name.trimmed().isEmpty()) {
        ui::MessageBox::warning(this, m_kind.title, ui::toQString(output_file::kNoFileName));
        return;
    }
    // filePath() leaves an absolute name as typed and puts a bare one in the chosen folder.
    const QString path = QDir(m_folder).filePath(name);
    const TextEncoding encoding =
        m_shiftJis->isChecked() ? TextEncoding::ShiftJis : TextEncoding::Utf8;
    if (const auto error = m_kind.write(ui::toUtf8(path), encoding)) {
        ui::MessageBox::warning(this, m_kind.title, ui::toQString(*error));
        return;
    }
    showFolderContents();
    ui::MessageBox::information(this, m_kind.title, m_kind.doneMessage);
}

} // namespace zoruka
