#include "output/ui/CsvExportScreen.h"
#include "common/ui/MessageBox.h"
#include "matchtable/DoublesGenerator.h"
#include "output/DoublesCsv.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QString kTitle = QStringLiteral("ゾルカ出力");
const QString kDone = QStringLiteral("ゾルカ抜出処理は終了しました");
const QString kCannotWrite = QStringLiteral("出力ﾌｧｲﾙへの書込みが出来ません、");

// N = 9, C = 2, G = 3 as the export writes it.
const QByteArray kNineOnTwoCourts = "\" 9 名\",\"（  2 面 )\"\r\n"
                                    "\"試合番号\",\"ベア１\",\"ベア２\",\"コート番号\",\"休憩\"\r\n"
                                    "\"第  1 試合\",\" 1\",\" 2\",\" 1-A\"\r\n"
                                    "\"第  1 試合\",\" 3\",\" 8\",\" 1-B\"\r\n"
                                    "\"第  1 試合\",\" 4\",\" 5\",\" 2-A\"\r\n"
                                    "\"第  1 試合\",\" 6\",\" 7\",\" 2-B\",\"9\"\r\n"
                                    "\"第  2 試合\",\" 9\",\" 7\",\" 1-A\"\r\n"
                                    "\"第  2 試合\",\" 1\",\" 3\",\" 1-B\"\r\n"
                                    "\"第  2 試合\",\" 2\",\" 5\",\" 2-A\"\r\n"
                                    "\"第  2 試合\",\" 4\",\" 6\",\" 2-B\",\"8\"\r\n"
                                    "\"第  3 試合\",\" 8\",\" 2\",\" 1-A\"\r\n"
                                    "\"第  3 試合\",\" 9\",\" 5\",\" 1-B\"\r\n"
                                    "\"第  3 試合\",\" 1\",\" 4\",\" 2-A\"\r\n"
                                    "\"第  3 試合\",\" 3\",\" 6\",\" 2-B\",\"7\"\r\n";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList texts(const QListWidget* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

} // namespace

class CsvExportScreenTest : public QObject {
    Q_OBJECT

private:
    // The folder the program "started" in: the current directory before anything asked for it.
    QTemporaryDir m_start;
    QString m_startedIn;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<CsvExportScreen> m_screen;

    template <typename T> T* child(const QString& name) const
    {
        T* found = m_screen->findChild<T*>(name);
        if (!found) {
            qWarning("no control %s", qPrintable(name));
        }
        return found;
    }
    QComboBox* drives() const { return child<QComboBox>(QStringLiteral("OUTDrive")); }
    QListWidget* folders() const { return child<QListWidget>(QStringLiteral("OUTDir")); }
    QListWidget* files() const { return child<QListWidget>(QStringLiteral("OUTFile")); }
    QLineEdit* fileName() const { return child<QLineEdit>(QStringLiteral("出力データ")); }

    QString inStart(const QString& name) const { return QDir(m_startedIn).filePath(name); }

    void openScreen()
    {
        CsvExportSpec kind{QStringLiteral("SB対戦CSV出力"), QStringLiteral("対戦CSV出力"), kTitle,
                           kDone,
                           [table = DoublesGenerator::generate(9, 2, 3)](const std::string& path,
                                                                         TextEncoding encoding) {
                               return writeDoublesCsv(table, path, encoding);
                           }};
        m_screen = std::make_unique<CsvExportScreen>(std::move(kind));
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void doubleClick(QListWidget* list, const QString& text)
    {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        // A double click starts with a press, which the view needs to see on the same item.
        const QPoint centre = list->visualItemRect(found.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

    void click(QListWidget* list, const QString& text)
    {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }

    void type(const QString& name)
    {
        fileName()->clear();
        QTest::keyClicks(fileName(), name);
    }

    void pressRun()
    {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("B実行")), Qt::LeftButton);
    }

    void expectOneBox(MessageBox::Icon icon, const QString& text)
    {
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, icon);
        QCOMPARE(m_boxes->shown().first().title, kTitle);
        QCOMPARE(m_boxes->shown().first().text, text);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_start.isValid());
        QVERIFY(QDir::setCurrent(m_start.path()));
        m_startedIn = QDir::currentPath();
        QVERIFY(QDir(m_startedIn).mkpath(QStringLiteral("sub")));
        QVERIFY(QDir(m_startedIn).mkpath(QStringLiteral("Another")));
        writeAll(inStart(QStringLiteral("a.csv")), "old a");
        writeAll(inStart(QStringLiteral("B.CSV")), "old B");
        writeAll(inStart(QStringLiteral("note.txt")), "note");
        writeAll(inStart(QStringLiteral("sub/inner.csv")), "inner");
    }

    void init() { m_boxes = std::make_unique<MessageBox::Script>(); }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        QCOMPARE(QDir::currentPath(), m_startedIn);
    }

    // Runs first: no export screen has chosen a folder yet.
    void opensInTheStartFolderWithItsControls()
    {
        openScreen();
        QCOMPARE(m_screen->objectName(), QStringLiteral("SB対戦CSV出力"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("対戦CSV出力"));
        QVERIFY(m_screen->isModal());
        QCOMPARE(child<QGroupBox>(QStringLiteral("Frame2"))->title(),
                 QStringLiteral("CSVファイル"));
        QStringList labels;
        for (const QLabel* label : m_screen->findChildren<QLabel*>()) {
            labels << label->text();
        }
        QVERIFY(labels.contains(QStringLiteral("出力先情報")));
        QVERIFY(labels.contains(QStringLiteral("出力ファイル名")));
        QCOMPARE(child<QPushButton>(QStringLiteral("B実行"))->text(), QStringLiteral("実行"));
        QCOMPARE(child<QPushButton>(QStringLiteral("B終了"))->text(), QStringLiteral("終了"));
        QRadioButton* shiftJis = child<QRadioButton>(QStringLiteral("R_SJIS"));
        QRadioButton* utf8 = child<QRadioButton>(QStringLiteral("R_UTF8"));
        QCOMPARE(shiftJis->text(), QStringLiteral("Shift_JIS (Excel)"));
        QCOMPARE(utf8->text(), QStringLiteral("UTF-8 (BOM付き)"));
        QVERIFY(shiftJis->isChecked());
        QVERIFY(!utf8->isChecked());

        QCOMPARE(m_screen->folder(), m_startedIn);
        QCOMPARE(drives()->currentText(), QStorageInfo(m_startedIn).rootPath());
        QCOMPARE(texts(folders()), (QStringList{"..", "Another", "sub"}));
        QCOMPARE(texts(files()), (QStringList{"a.csv", "B.CSV"}));
        QCOMPARE(fileName()->text(), QString());
    }

    void entersAndLeavesFoldersWithoutChangingTheCurrentDirectory()
    {
        openScreen();
        doubleClick(folders(), QStringLiteral("sub"));
        QCOMPARE(m_screen->folder(), inStart(QStringLiteral("sub")));
        QCOMPARE(texts(folders()), QStringList{".."});
        QCOMPARE(texts(files()), QStringList{"inner.csv"});

        doubleClick(folders(), QStringLiteral(".."));
        QCOMPARE(m_screen->folder(), m_startedIn);
        QCOMPARE(texts(files()), (QStringList{"a.csv", "B.CSV"}));
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(QDir::currentPath(), m_startedIn);

        // The next export screen of the run opens where this one was left.
        doubleClick(folders(), QStringLiteral("Another"));
        openScreen();
        QCOMPARE(m_screen->folder(), inStart(QStringLiteral("Another")));
    }

    void writesATypedNameIntoTheChosenFolder_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Shift_JIS") << "R_SJIS"
                                   << QByteArray::fromStdString(encodeText(
                                          kNineOnTwoCourts.toStdString(), TextEncoding::ShiftJis));
        QTest::newRow("UTF-8") << "R_UTF8"
                               << "\xEF\xBB\xBF" + kNineOnTwoCourts;
    }

    void writesATypedNameIntoTheChosenFolder()
    {
        QFETCH(QString, encoding);
        QFETCH(QByteArray, bytes);
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        doubleClick(folders(), QStringLiteral("sub"));
        QTest::mouseClick(child<QRadioButton>(encoding), Qt::LeftButton);
        type(QStringLiteral("out.csv"));
        pressRun();

        expectOneBox(MessageBox::Icon::Information, kDone);
        QCOMPARE(readAll(inStart(QStringLiteral("sub/out.csv"))), bytes);
        QVERIFY(!QFile::exists(inStart(QStringLiteral("out.csv"))));
        // The new file shows in the list at once.
        QCOMPARE(texts(files()), (QStringList{"inner.csv", "out.csv"}));
        QVERIFY(m_screen->isVisible());
        QVERIFY(QFile::remove(inStart(QStringLiteral("sub/out.csv"))));
    }

    void anAbsolutePathIsUsedAsTyped()
    {
        QTemporaryDir elsewhere;
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        type(QDir(elsewhere.path()).filePath(QStringLiteral("abs.csv")));
        pressRun();
        expectOneBox(MessageBox::Icon::Information, kDone);
        QVERIFY(QFile::exists(QDir(elsewhere.path()).filePath(QStringLiteral("abs.csv"))));
        QVERIFY(!QFile::exists(inStart(QStringLiteral("abs.csv"))));
    }

    void anEmptyNameIsRefusedAndNothingWritten()
    {
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        const QStringList before = QDir(m_startedIn).entryList(QDir::AllEntries);
        for (const QString& blank : {QString(), QStringLiteral("   ")}) {
            m_boxes->clear();
            type(blank);
            pressRun();
            expectOneBox(MessageBox::Icon::Warning,
                         QStringLiteral("出力ファイルを指定して下さい。"));
        }
        QCOMPARE(QDir(m_startedIn).entryList(QDir::AllEntries), before);
    }

    void choosingAFileFillsTheNameAndTypingAnotherWins()
    {
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        click(files(), QStringLiteral("B.CSV"));
        QCOMPARE(fileName()->text(), QStringLiteral("B.CSV"));
        click(files(), QStringLiteral("a.csv"));
        QCOMPARE(fileName()->text(), QStringLiteral("a.csv"));

        type(QStringLiteral("typed.csv"));
        pressRun();
        expectOneBox(MessageBox::Icon::Information, kDone);
        QCOMPARE(readAll(inStart(QStringLiteral("a.csv"))), QByteArray("old a"));
        QVERIFY(readAll(inStart(QStringLiteral("typed.csv"))).startsWith("\" 9 \x96\xBC\""));
        // Refilling the list after the write leaves the typed name alone.
        QCOMPARE(fileName()->text(), QStringLiteral("typed.csv"));

        // Choosing the same file again takes its name back.
        click(files(), QStringLiteral("a.csv"));
        QCOMPARE(fileName()->text(), QStringLiteral("a.csv"));
        QVERIFY(QFile::remove(inStart(QStringLiteral("typed.csv"))));
    }

    void aTargetThatCannotBeWrittenIsReportedAndTheScreenGoesOn()
    {
        QTemporaryDir target;
        const QDir dir(target.path());
        QVERIFY(dir.mkpath(QStringLiteral("folder.csv")));
        writeAll(dir.filePath(QStringLiteral("kept.csv")), "kept");
        openScreen();
        QVERIFY(m_screen->openFolder(target.path()));

        // A folder of that name, and a name below a file.
        for (const auto& [name, reason] :
             {std::pair{QStringLiteral("folder.csv"),
                        QStringLiteral("同じ名前のフォルダがあります")},
              std::pair{QStringLiteral("kept.csv/x.csv"),
                        QStringLiteral("途中にフォルダでないものがあります")}}) {
            m_boxes->clear();
            type(name);
            pressRun();
            expectOneBox(MessageBox::Icon::Warning, kCannotWrite + reason);
        }
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.csv"))).isDir());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("kept.csv"))), QByteArray("kept"));

        // A folder that may not be written keeps its file as it was (root may write anywhere).
        if (::geteuid() != 0) {
            QFile::setPermissions(target.path(), QFile::ReadOwner | QFile::ExeOwner);
            m_boxes->clear();
            type(QStringLiteral("kept.csv"));
            pressRun();
            expectOneBox(MessageBox::Icon::Warning,
                         kCannotWrite + QStringLiteral("書き込む権限がありません"));
            QCOMPARE(readAll(dir.filePath(QStringLiteral("kept.csv"))), QByteArray("kept"));
            QFile::setPermissions(target.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }

        // The screen stays open and the next try succeeds.
        QVERIFY(m_screen->isVisible());
        m_boxes->clear();
        type(QStringLiteral("kept.csv"));
        pressRun();
        expectOneBox(MessageBox::Icon::Information, kDone);
        QVERIFY(readAll(dir.filePath(QStringLiteral("kept.csv"))).startsWith("\" 9 "));
    }

    void aDriveThatCannotBeReadIsRefusedAndTheListReverts()
    {
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        const QString drive = drives()->currentText();
        // A volume unmounted after the list was filled.
        drives()->addItem(QStringLiteral("/zoruka-unmounted-volume"));
        drives()->setCurrentIndex(drives()->count() - 1);

        expectOneBox(MessageBox::Icon::Warning, QStringLiteral("無効なdriveを指定しています"));
        QCOMPARE(drives()->currentText(), drive);
        QCOMPARE(m_screen->folder(), m_startedIn);
    }

    void choosingAnotherDriveShowsItsTopFolder()
    {
        // A volume mounted after the list was filled, standing in for a second drive.
        QTemporaryDir volume;
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        drives()->addItem(volume.path());
        drives()->setCurrentIndex(drives()->count() - 1);

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(m_screen->folder(), QDir(volume.path()).absolutePath());
        QCOMPARE(texts(files()), QStringList());
    }

    void aFolderGoneSinceTheListWasFilledIsRefused()
    {
        QVERIFY(QDir(m_startedIn).mkpath(QStringLiteral("gone")));
        openScreen();
        QVERIFY(m_screen->openFolder(m_startedIn));
        QVERIFY(QDir(inStart(QStringLiteral("gone"))).removeRecursively());
        doubleClick(folders(), QStringLiteral("gone"));

        expectOneBox(MessageBox::Icon::Warning, QStringLiteral("無効なフォルダを指定しています"));
        QCOMPARE(m_screen->folder(), m_startedIn);
        QCOMPARE(texts(folders()), (QStringList{"..", "Another", "sub"}));
    }

    void quitClosesTheScreen()
    {
        openScreen();
        QTest::mouseClick(child<QPushButton>(QStringLiteral("B終了")), Qt::LeftButton);
        QVERIFY(!m_screen->isVisible());
        QCOMPARE(m_screen->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(CsvExportScreenTest)
#include "CsvExportScreenTest.moc"
