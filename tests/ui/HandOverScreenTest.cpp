#include "ScreenFixture.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/HandOverScreen.h"
#include "common/StartupValues.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

class HandOverScreenTest : public QObject {
    Q_OBJECT

private:
    test::ScreenFixture<HandOverScreen> m;

    QLineEdit* destination() const { return m.find<QLineEdit>("出力先"); }
    void run(bool yes)
    {
        m.boxes().answer(yes);
        m.press("B実行");
    }
    QString folder() const { return QString::fromStdString(m.folder().path().string()); }
    QString written() const { return folder() + QStringLiteral("/ゾルカ引継ぎ_2025年度"); }

private slots:
    void initTestCase() { StartupValues::fix({2026, 5, 10}); }

    void init()
    {
        m.start();
        {
            Database database = Database::open(m.location());
            test::enterCash(database, "25/04/01", "1", "10100", "5000");
        }
        QVERIFY(m.open());
    }

    void cleanup() { m.stop(); }

    // Last year's hand-over beside the database, asked first and shown once written.
    void writesTheLastYearsFolderBesideTheDatabase()
    {
        QCOMPARE(m.screen().objectName(), QStringLiteral("d引継ぎ"));
        QCOMPARE(m.screen().windowTitle(), QStringLiteral("引継ぎ"));
        QCOMPARE(m.find<QComboBox>("C年度")->currentText(), QStringLiteral("2025"));
        QCOMPARE(destination()->text(), folder());

        run(false);
        QVERIFY(!QDir(written()).exists());
        run(true);
        QCOMPARE(
            test::shownBoxes(m.boxes()),
            (QStringList{"question|引継ぎ|引継ぎのフォルダを作成します。\n" + written(),
                         "question|引継ぎ|引継ぎのフォルダを作成します。\n" + written(),
                         "information|引継ぎ|引継ぎのフォルダを作成しました。\n" + written()}));
        const QStringList files = QDir(written()).entryList(QDir::Files);
        QCOMPARE(files.size(), 6);
        QVERIFY(QFile(QDir(written()).filePath(QStringLiteral("年間収支報告書_2025年度.pdf")))
                    .open(QIODevice::ReadOnly));
    }

    void aFolderThatIsNoneOrAHandOverThereAlreadyIsRefused()
    {
        destination()->clear();
        run(true);
        destination()->setText(folder() + QStringLiteral("/無い"));
        run(true);
        QCOMPARE(test::fieldColour(destination()), QColor(255, 0, 0));
        QDir().mkdir(written());
        destination()->setText(folder());
        run(true);
        QCOMPARE(test::shownBoxes(m.boxes()),
                 (QStringList{"warning|引継ぎ|出力先のフォルダを指定して下さい",
                              "warning|引継ぎ|出力先のフォルダがありません",
                              "question|引継ぎ|引継ぎのフォルダを作成します。\n" + written(),
                              "warning|引継ぎ|「ゾルカ引継ぎ_2025年度」はすでにあります。"
                              "別の出力先を選ぶか、そのフォルダを移してください"}));
        QVERIFY(QDir(written()).isEmpty());
    }
};

QTEST_MAIN(HandOverScreenTest)
#include "HandOverScreenTest.moc"
