#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "common/ui/FileChooser.h"
#include "store/DatabaseStart.h"
#include "store/StoreError.h"
#include "store/ui/BackupScreen.h"

#include <QListWidget>
#include <QPushButton>

#include <memory>

using namespace zoruka;
using ui::FileChooser;
using ui::MessageBox;

namespace {

namespace fs = std::filesystem;

QString box(const char* kind, const QString& text)
{
    return QString::fromUtf8(kind) + QStringLiteral("|バックアップ|") + text;
}

QString utf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

class BackupScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<FileChooser::Script> m_choosers;
    std::unique_ptr<BackupScreen> m_screen;

    void click(const QString& name)
    {
        QTest::mouseClick(m_screen->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    QListWidget* list() const
    {
        return m_screen->findChild<QListWidget*>(QStringLiteral("Lバックアップ"));
    }
    QStringList listed() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row) {
            texts << list()->item(row)->text();
        }
        return texts;
    }
    std::vector<std::string> amounts() const
    {
        return test::queryFile(m_folder->databaseFile(), "SELECT 出_金額 FROM 出納帳 ORDER BY 1");
    }
    void enter(const std::string& day, const std::string& amount)
    {
        Database database = Database::open(m_folder->location());
        test::enterCash(database, "26/04/" + day, "1", "10200", amount);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        startDatabase(m_folder->location(), test::morningOf(2026, 4, 1));
        enter("01", "1000");
        startDatabase(m_folder->location(), test::morningOf(2026, 4, 2));
        enter("02", "2000");
        m_boxes = std::make_unique<MessageBox::Script>();
        m_choosers = std::make_unique<FileChooser::Script>();
        m_screen = std::make_unique<BackupScreen>(m_folder->location());
        m_screen->show();
    }

    void cleanup()
    {
        m_screen.reset();
        m_choosers.reset();
        m_boxes.reset();
        m_folder.reset();
        test::deleteTopLevelWindows();
    }

    void listsTheBackupsNewestFirst()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("aバックアップ"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("バックアップ"));
        QCOMPARE(listed(), (QStringList{QStringLiteral("2026/04/02 09:00:00　起動時"),
                                        QStringLiteral("2026/04/01 09:00:00　起動時")}));
    }

    void makesABackupInTheChosenFolder()
    {
        click(QStringLiteral("B作成"));
        QVERIFY2(test::shownBoxes(*m_boxes).isEmpty(), "cancelled");

        const fs::path usb = m_folder->path() / "USB";
        fs::create_directory(usb);
        m_choosers->answer(utf8(usb.string()));
        click(QStringLiteral("B作成"));
        QCOMPARE(m_choosers->starts().last(), utf8((m_folder->path() / "バックアップ").string()));
        const std::vector<BackupFile> made = listBackups(usb);
        QCOMPARE(made.size(), std::size_t{1});
        QCOMPARE(made.front().label, std::string("手動"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("information", QStringLiteral("バックアップを作成しました。\n") +
                                                    utf8(made.front().path.string()))});
        QCOMPARE(test::queryFile(made.front().path, "SELECT count(*) FROM 出納帳"),
                 std::vector<std::string>{"2"});
    }

    void restoresTheChosenBackupOnlyWhenAsked()
    {
        click(QStringLiteral("B復元"));
        QCOMPARE(
            test::shownBoxes(*m_boxes),
            QStringList{box("warning", QStringLiteral("復元するバックアップを選んでください。"))});

        m_boxes->clear();
        list()->setCurrentRow(0);
        const QString question =
            box("question",
                QStringLiteral("データベースを「2026/04/02 "
                               "09:00:00　起動時」の内容に戻します。いまの内容は「復元前」の"
                               "バックアップとして残します。"));
        click(QStringLiteral("B復元"));
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{question});
        QCOMPARE(amounts(), (std::vector<std::string>{"1000", "2000"}));

        m_boxes->clear();
        m_boxes->answer(true);
        click(QStringLiteral("B復元"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{question, box("information",
                                            QStringLiteral("バックアップから復元しました。"))}));
        QCOMPARE(amounts(), std::vector<std::string>{"1000"});
        QCOMPARE(listed().size(), 3);
        QVERIFY(listed().first().endsWith(QStringLiteral("復元前")));
    }

    void refusesADamagedBackupAndWhileOtherScreensAreOpen()
    {
        const fs::path cut = m_folder->path() / "切れた.mdb";
        fs::copy_file(listBackups(m_folder->path() / "バックアップ").front().path, cut);
        fs::resize_file(cut, fs::file_size(cut) - 1);
        const std::string bytes = test::fileBytes(m_folder->databaseFile());
        m_boxes->answer(true);
        m_choosers->answer(utf8(cut.string()));
        click(QStringLiteral("B参照"));
        QCOMPARE(test::shownBoxes(*m_boxes).last(),
                 box("warning", QStringLiteral("バックアップ「切れた.mdb」は復元に使えません。\n・"
                                               "ファイルが途中で切れているか、余分なデータが付いて"
                                               "います。")));
        QVERIFY(test::fileBytes(m_folder->databaseFile()) == bytes);

        m_boxes->clear();
        QWidget other;
        other.setObjectName(QStringLiteral("c出納記入v3"));
        other.show();
        list()->setCurrentRow(1);
        click(QStringLiteral("B復元"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", QStringLiteral("復元する前に、ほかの画面をすべて閉じ"
                                                           "てください（メニューは開いたままでかま"
                                                           "いません）。"))});
        QVERIFY(test::fileBytes(m_folder->databaseFile()) == bytes);
    }
};

QTEST_MAIN(BackupScreenTest)
#include "BackupScreenTest.moc"
