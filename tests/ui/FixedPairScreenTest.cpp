#include "TwoTeamScreenDriver.h"

#include "app/MainMenu.h"
#include "common/ui/MessageBox.h"
#include "matchtable/ui/FixedPairScreen.h"

#include <memory>

using namespace zoruka;
using test::TwoTeamScreenDriver;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

const QString kTitle = QStringLiteral("団体戦・ゾルカ作成");
const QString kPrintTitle = QStringLiteral("団体・ゾルカ出力");
const QString kTooFewA =
    QStringLiteral("Aチームの参加ペアが少なく設定できません、コート数を少なく指定してください");
const QString kTooFewB =
    QStringLiteral("Bチームの参加ペアが少なく設定できません、コート数を少なく指定してください");

} // namespace

class FixedPairScreenTest : public QObject {
    Q_OBJECT

private:
    test::StartFolder m_startFolder;
    std::unique_ptr<FixedPairScreen> m_screen;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<TwoTeamScreenDriver> m_ui;

    void expectOneWarning(const QString& title, const QString& text) const
    {
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown().first().title, title);
        QCOMPARE(m_boxes->shown().first().text, text);
    }

private slots:
    void initTestCase() { QVERIFY(m_startFolder.makeCurrent()); }

    void init()
    {
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<FixedPairScreen>();
        m_ui = std::make_unique<TwoTeamScreenDriver>(m_screen.get());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_ui.reset();
        m_screen.reset();
        m_boxes.reset();
        test::deleteTopLevelWindows();
        m_startFolder.clearPrinted();
    }

    void opensWithThePairCountsReadingPeople()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("SK対抗ゾルカv3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("ペア固定対抗戦・ゾルカ作成"));
        for (QComboBox* count : m_ui->counts()) {
            QCOMPARE(count->count(), 51);
            QCOMPARE(count->itemText(0), QStringLiteral("0"));
            QCOMPARE(count->itemText(50), QStringLiteral("50"));
        }
        QCOMPARE(m_ui->teamA()->currentText(), QStringLiteral("人数"));
        QCOMPARE(m_ui->teamB()->currentText(), QStringLiteral("人数"));
        QCOMPARE(m_ui->courts()->currentText(), QString());
        QCOMPARE(m_ui->games()->currentText(), QString());
        // Fixed pairs have no pair size to show.
        QVERIFY(!m_ui->combo(QStringLiteral("Cチーム人数")));
        QCOMPARE(m_ui->button(QStringLiteral("B設定"))->text(), QStringLiteral("設定"));
        QCOMPARE(m_ui->button(QStringLiteral("B印刷"))->text(), QStringLiteral("印刷"));
        QCOMPARE(m_ui->button(QStringLiteral("終了"))->text(), QStringLiteral("終了"));
        QVERIFY(!m_screen->table());
    }

    void settingWithoutChoosingAsksForTheParticipants()
    {
        m_ui->press(QStringLiteral("B設定"));

        expectOneWarning(kTitle, QStringLiteral("参加人数を選択してください"));
        for (QComboBox* field : m_ui->counts()) {
            QCOMPARE(test::textColour(field), kRed);
        }
        QCOMPARE(m_screen->focusWidget(), m_ui->teamA());
        QCOMPARE(m_ui->grid()->rowCount(), 0);
    }

    void refusesCountsBeyond50OrNotWhole_data()
    {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("firstFailed");

        QTest::newRow("B pairs left reading 人数")
            << QStringList{"3", "人数", "", "3"} << "参加人数を選択してください" << 1;
        QTest::newRow("51 courts")
            << QStringList{"3", "3", "51", "3"} << "使用するコート数を選択してください" << 2;
        QTest::newRow("letters in games")
            << QStringList{"3", "3", "2", "x"} << "設定する試合数を選択してください" << 3;
    }

    void refusesCountsBeyond50OrNotWhole()
    {
        QFETCH(QStringList, counts);
        QFETCH(QString, message);
        QFETCH(int, firstFailed);

        m_ui->build(QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3"),
                    QStringLiteral("3"));
        const QStringList before = m_ui->gridText();
        m_boxes->clear();

        m_ui->build(counts[0], counts[1], counts[2], counts[3]);

        expectOneWarning(kTitle, message);
        QCOMPARE(m_screen->focusWidget(), m_ui->counts()[firstFailed]);
        QCOMPARE(test::textColour(m_ui->counts()[firstFailed]), kRed);
        QCOMPARE(m_ui->gridText(), before);
    }

    void eachTeamNeedsAPairForEveryCourt_data()
    {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("message");

        QTest::newRow("two A pairs on three courts") << QStringList{"2", "5", "3", "1"} << kTooFewA;
        QTest::newRow("two B pairs on three courts") << QStringList{"5", "2", "3", "1"} << kTooFewB;
    }

    void eachTeamNeedsAPairForEveryCourt()
    {
        QFETCH(QStringList, counts);
        QFETCH(QString, message);

        m_ui->build(QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3"),
                    QStringLiteral("3"));
        const QStringList before = m_ui->gridText();
        m_boxes->clear();

        m_ui->build(counts[0], counts[1], counts[2], counts[3]);

        expectOneWarning(kTitle, message);
        for (QComboBox* field : m_ui->counts()) {
            QCOMPARE(test::textColour(field), kBlack);
        }
        QCOMPARE(m_ui->gridText(), before);
        QCOMPARE(m_screen->table()->params.teamA, 3);
    }

    void showsWhichAPairMeetsWhichBPairOnEachCourt()
    {
        m_ui->build(QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3"),
                    QStringLiteral("3"));

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(m_ui->gridText(), (QStringList{
                                       "コート|コート1|コート1|コート2|コート2|コート3|コート3",
                                       "試合|Aﾁｰﾑ|Bﾁｰﾑ|Aﾁｰﾑ|Bﾁｰﾑ|Aﾁｰﾑ|Bﾁｰﾑ",
                                       "第1試合|1|1|2|2|3|3",
                                       "第2試合|1|2|2|3|3|1",
                                       "第3試合|1|3|2|1|3|2",
                                   }));
    }

    void aGameThatCouldNotBeCompletedShowsTheCourtsItFilled()
    {
        m_ui->build(QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("4"),
                    QStringLiteral("3"));

        QVERIFY(m_boxes->shown().isEmpty());
        const QStringList lines = m_ui->gridText();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[2], QStringLiteral("第1試合|1|1|2|2|3|3|4|4"));
        QCOMPARE(lines[4], QStringLiteral("第3試合|4|1|5|4|1|5||"));
    }

    void printingBeforeAnyBuildPrintsNothing()
    {
        m_ui->press(QStringLiteral("B印刷"));

        expectOneWarning(kPrintTitle,
                         QStringLiteral("印刷するゾルカがありません。先に設定を押してください"));
        QVERIFY(m_startFolder.printedFiles().isEmpty());
    }

    void seventeenCourtsAreRefusedWithOnlyThePrintMessage()
    {
        m_ui->build(QStringLiteral("17"), QStringLiteral("17"), QStringLiteral("17"),
                    QStringLiteral("2"));
        QVERIFY(m_boxes->shown().isEmpty());
        m_ui->press(QStringLiteral("B印刷"));

        expectOneWarning(kPrintTitle, QStringLiteral("出力可能限度を超えています"));
        QVERIFY(m_startFolder.printedFiles().isEmpty());
    }

    void theMenuOpensOneFixedPairScreen()
    {
        m_ui.reset();
        m_screen.reset();
        MainMenu menu;
        menu.show();
        auto* open = menu.findChild<QPushButton*>(QStringLiteral("B固定対抗戦"));
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        QTest::mouseClick(open, Qt::LeftButton);

        const QList<QWidget*> screens = test::topLevelsNamed(QStringLiteral("SK対抗ゾルカv3"));
        QCOMPARE(screens.size(), 1);
        QVERIFY(screens.first()->isVisible());
        QCOMPARE(screens.first()->windowTitle(), QStringLiteral("ペア固定対抗戦・ゾルカ作成"));
    }
};

QTEST_MAIN(FixedPairScreenTest)
#include "FixedPairScreenTest.moc"
