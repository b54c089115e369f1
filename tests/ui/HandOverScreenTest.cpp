#include "RegisterScreenSupport.h"
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
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<HandOverScreen> m_screen;

    QLineEdit* destination() const
    {
        return m_screen->findChild<QLineEdit*>(QStringLiteral("出力先"));
    }
    void run(bool yes)
    {
        m_boxes->answer(yes);
        QTest::mouseClick(m_screen->findChild<QPushButton*>(QStringLiteral("B実行")),
                          Qt::LeftButton);
    }
    QString written() const
    {
        return QString::fromStdString((m_folder->path() / "ゾルカ引継ぎ_2025年度").string());
    }

private slots:
    void initTestCase() { StartupValues::fix({2026, 5, 10}); }

    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        {
            Database database = Database::openOrCreate(m_folder->location());
            test::enterCash(database, "25/04/01", "1", "10100", "5000");
        }
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<HandOverScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    // Last year's hand-over beside the database, asked first and shown once written.
    void writesTheLastYearsFolderBesideTheDatabase()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("d引継ぎ"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("引継ぎ"));
        QCOMPARE(m_screen->findChild<QComboBox*>(QStringLiteral("C年度"))->currentText(),
                 QStringLiteral("2025"));
        QCOMPARE(destination()->text(), QString::fromStdString(m_folder->path().string()));

        run(false);
        QVERIFY(!QDir(written()).exists());
        run(true);
        QCOMPARE(
            test::shownBoxes(*m_boxes),
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
        destination()->setText(QString::fromStdString((m_folder->path() / "無い").string()));
        run(true);
        QCOMPARE(test::fieldColour(destination()), QColor(255, 0, 0));
        QDir(QString::fromStdString(m_folder->path().string())).mkdir(written());
        destination()->setText(QString::fromStdString(m_folder->path().string()));
        run(true);
        QCOMPARE(test::shownBoxes(*m_boxes),
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
