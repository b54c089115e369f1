#include "../store/OtherCopy.h"
#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "app/MainMenu.h"
#include "registers/ui/MasterSettingsScreen.h"
#include "store/DatabaseStart.h"
#include "store/StoreError.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

using namespace zoruka;
using ui::MessageBox;

namespace {

namespace fs = std::filesystem;

QString warning(const char* text)
{
    return QStringLiteral("warning|ゾルカ|") + QString::fromUtf8(text);
}

const QString kNotOurs =
    warning("データベースファイル「ゾルカv3.mdb」はこのプログラムのものではないため開けません。");

} // namespace

// The program opens its database where it started; this suite starts in a temporary folder.
class DatabaseStartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_start;

    static QPushButton* button(MainMenu& menu, const QString& name)
    {
        return menu.findChild<QPushButton*>(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_start.isValid());
        QVERIFY(QDir::setCurrent(m_start.path()));
    }

    void cleanup() { test::deleteTopLevelWindows(); }

    void theFirstStartCreatesTheDatabaseInTheStartFolder()
    {
        MessageBox::Script boxes;
        const fs::path file = fs::path(m_start.path().toStdString()) / "ゾルカv3.mdb";
        QVERIFY(!fs::exists(file));
        MainMenu menu(DatabaseLocation::startFolder());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(fs::exists(file));
        QCOMPARE(test::queryFile(file, "SELECT 費_費目番号 FROM 費目 ORDER BY 1"),
                 (std::vector<std::string>{"10100", "20900"}));

        // The screens find it there even after the current folder has moved.
        test::TempFolder elsewhere;
        QVERIFY(QDir::setCurrent(QString::fromStdString(elsewhere.path().string())));
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("B費目登録")), Qt::LeftButton);
        QWidget* items = test::topLevelsNamed(QStringLiteral("b費目登録v3")).value(0);
        QVERIFY(items);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(test::gridText(items->findChild<QTableWidget*>(QStringLiteral("費目一覧")))[1],
                 QStringLiteral("収入|10100|前月繰越|"));
        QVERIFY(QDir::setCurrent(m_start.path()));

        // A second start finds the file as it was.
        const std::string bytes = test::fileBytes(file);
        MainMenu again(DatabaseLocation::startFolder());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(test::fileBytes(file) == bytes);
    }

    void theRegisterButtonsOpenTheirScreensOnce()
    {
        MessageBox::Script boxes;
        MainMenu menu(DatabaseLocation::startFolder());
        menu.show();
        for (const auto& [buttonName, screenName] :
             {std::pair{"Bマスター情報", "bマスタ登録v3"}, std::pair{"B費目登録", "b費目登録v3"},
              std::pair{"B会員登録", "b会員登録v3"}}) {
            QPushButton* opener = button(menu, QString::fromUtf8(buttonName));
            QVERIFY(opener->isEnabled());
            QTest::mouseClick(opener, Qt::LeftButton);
            QTest::mouseClick(opener, Qt::LeftButton);
            const QList<QWidget*> screens = test::topLevelsNamed(QString::fromUtf8(screenName));
            QCOMPARE(screens.size(), 1);
            QVERIFY(screens.first()->isVisible());
        }
        QVERIFY(boxes.shown().isEmpty());
    }

    // A file of another program is named in a warning, never touched, and the menu still opens
    // for the match tables.
    void aForeignFileIsReportedAndLeftByteForByte()
    {
        test::TempFolder folder;
        const std::string foreign =
            std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(500, '\x5a');
        test::writeFile(folder.databaseFile(), foreign);

        MessageBox::Script boxes;
        MainMenu menu(folder.location());
        QCOMPARE(test::shownBoxes(boxes), QStringList{kNotOurs});
        QCOMPARE(test::fileBytes(folder.databaseFile()), foreign);
        QCOMPARE(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
        QCOMPARE(menu.objectName(), QStringLiteral("aメニュv4"));
        QVERIFY(button(menu, QStringLiteral("Bゾルカ"))->isEnabled());
    }

    void aReadOnlyFileOrFolderIsReported()
    {
        test::TempFolder folder;
        Database::openOrCreate(folder.location());
        fs::permissions(folder.databaseFile(), fs::perms::owner_read);
        MessageBox::Script boxes;
        MainMenu readOnly(folder.location());
        QCOMPARE(test::shownBoxes(boxes),
                 QStringList{warning(
                     "データベースファイル「ゾルカv3.mdb」は読み取り専用のため書き込めません。")});

        boxes.clear();
        MainMenu nowhere(DatabaseLocation(folder.path() / "無いフォルダ"));
        QCOMPARE(
            test::shownBoxes(boxes),
            QStringList{warning("データベースファイル「ゾルカv3.mdb」を作成できませんでした。")});
    }

    // A second copy on the same file shows it but stores nothing, and says why.
    void aSecondCopyOnlyReads()
    {
        test::TempFolder folder;
        test::OtherCopy first(folder.path());
        QCOMPARE(first.report(), std::string("writer\n"));
        const std::string bytes = test::fileBytes(folder.databaseFile());

        MessageBox::Script boxes;
        MainMenu menu(folder.location());
        QCOMPARE(test::shownBoxes(boxes), QStringList{warning(database_start::kOtherCopy.data())});
        boxes.clear();
        boxes.answer(true);
        MasterSettingsScreen settings(folder.location());
        settings.findChild<QLineEdit*>(QStringLiteral("チーム名"))->setText(QStringLiteral("会"));
        QTest::mouseClick(settings.findChild<QPushButton*>(QStringLiteral("B確定")),
                          Qt::LeftButton);
        QCOMPARE(test::shownBoxes(boxes).last(),
                 QStringLiteral("warning|マスター登録|") +
                     QString::fromUtf8(StoreError::otherCopyWrites().what()));
        QVERIFY(test::fileBytes(folder.databaseFile()) == bytes);
    }

    // A damaged file is named at the start, with the backup to restore, and never written.
    void aDamagedFileIsNamedAndLeftAlone()
    {
        test::TempFolder folder;
        startDatabase(folder.location(), test::morningOf(2026, 4, 1));
        test::RawConnection(folder.databaseFile()).execute("DROP TABLE 練習予定");
        const std::string bytes = test::fileBytes(folder.databaseFile());

        MessageBox::Script boxes;
        MainMenu menu(folder.location());
        const QString damaged =
            warning("データベースファイル「ゾルカv3.mdb」が壊れています。\n・表「練習予定」がありま"
                    "せん。\nこのファイルには書き込みません。メニューの「バックアップ」で、最新のバ"
                    "ックアップ「ゾルカv3_20260401_090000_起動時.mdb」（2026/04/01 09:00:00）から"
                    "復元してください。");
        QCOMPARE(test::shownBoxes(boxes), QStringList{damaged});
        boxes.clear();
        MasterSettingsScreen settings(folder.location());
        QCOMPARE(test::shownBoxes(boxes),
                 QStringList{QStringLiteral("warning|マスター登録|") + damaged.section('|', 2)});
        QVERIFY(test::fileBytes(folder.databaseFile()) == bytes);
    }

    // Later operations open the file anew: one that turned foreign is reported by the screen.
    void aScreenReportsAFileThatTurnedForeign()
    {
        const fs::path file = DatabaseLocation::startFolder().file();
        const std::string bytes = test::fileBytes(file);
        test::writeFile(file, "garbage that is not a database");

        MessageBox::Script boxes;
        MainMenu menu;
        menu.show();
        QTest::mouseClick(button(menu, QStringLiteral("B会員登録")), Qt::LeftButton);
        QCOMPARE(test::shownBoxes(boxes),
                 QStringList{QStringLiteral("warning|会員登録|") + kNotOurs.section('|', 2)});
        QCOMPARE(test::fileBytes(file), std::string("garbage that is not a database"));
        test::writeFile(file, bytes);
    }
};

QTEST_MAIN(DatabaseStartupTest)
#include "DatabaseStartupTest.moc"
