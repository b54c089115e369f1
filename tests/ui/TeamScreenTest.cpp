#include "TwoTeamScreenDriver.h"

#include "app/MainMenu.h"
#include "common/GridModel.h"
#include "common/ui/MessageBox.h"
#include "matchtable/ui/TeamScreen.h"
#include "output/ui/PrintFlow.h"

#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>

#include <memory>

using namespace zoruka;
using test::TwoTeamScreenDriver;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);

const QString kTitle = QStringLiteral("団体戦・ゾルカ作成");
const QString kPrintTitle = QStringLiteral("団体・ゾルカ出力");
const QString kChooseParticipants = QStringLiteral("参加人数を選択してください");

} // namespace

class TeamScreenTest : public QObject {
    Q_OBJECT

private:
    test::StartFolder m_startFolder;
    std::unique_ptr<TeamScreen> m_screen;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<TwoTeamScreenDriver> m_ui;

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const MessageBox::Shown& box : m_boxes->shown()) {
            texts << box.text;
        }
        return texts;
    }

    void expectOneWarning(const QString& title, const QString& text) const
    {
        QCOMPARE(shownTexts(), QStringList{text});
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown().first().title, title);
    }

private slots:
    void initTestCase() { QVERIFY(m_startFolder.makeCurrent()); }

    void init()
    {
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<TeamScreen>();
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

    void opensWithEmptyCountsAndPairsOfTwo()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("SB団体ゾルカv3"));
        QCOMPARE(m_screen->windowTitle(), kTitle);
        QStringList numbers;
        for (int n = 0; n <= 50; ++n) {
            numbers << QString::number(n);
        }
        for (QComboBox* count : m_ui->counts()) {
            QVERIFY(count->isEditable());
            QStringList items;
            for (int i = 0; i < count->count(); ++i) {
                items << count->itemText(i);
            }
            QCOMPARE(items, numbers);
            QCOMPARE(count->currentText(), QString());
        }
        QComboBox* pairSize = m_ui->combo(QStringLiteral("Cチーム人数"));
        QCOMPARE(pairSize->currentText(), QStringLiteral("2"));
        QVERIFY(!pairSize->isEnabled());
        const QList<std::pair<const char*, const char*>> labels{{"Label1", "Aチーム人数"},
                                                                {"Label3", "Bチーム人数"},
                                                                {"Label2", "チーム人数"},
                                                                {"Label5", "試合コート数"},
                                                                {"Label6", "試合数"}};
        for (const auto& [name, text] : labels) {
            const auto* label = m_screen->findChild<QLabel*>(QString::fromUtf8(name));
            QVERIFY2(label, name);
            QCOMPARE(label->text(), QString::fromUtf8(text));
        }
        QCOMPARE(m_ui->button(QStringLiteral("B設定"))->text(), QStringLiteral("設定"));
        QCOMPARE(m_ui->button(QStringLiteral("B印刷"))->text(), QStringLiteral("印刷"));
        QCOMPARE(m_ui->button(QStringLiteral("終了"))->text(), QStringLiteral("終了"));
        QCOMPARE(m_ui->grid()->rowCount(), 0);
        QVERIFY(!m_screen->table());
    }

    void refusesACountThatIsNotAWholeNumberUpTo50_data()
    {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<bool>>("failed");

        const QString courts = QStringLiteral("使用するコート数を選択してください");
        const QString games = QStringLiteral("設定する試合数を選択してください");
        QTest::newRow("empty A team and courts")
            << QStringList{"", "6", "", "3"} << kChooseParticipants
            << QList<bool>{true, false, true, false};
        QTest::newRow("letters in the B team")
            << QStringList{"5", "abc", "2", "3"} << kChooseParticipants
            << QList<bool>{false, true, false, false};
        QTest::newRow("negative courts")
            << QStringList{"5", "6", "-1", "3"} << courts << QList<bool>{false, false, true, false};
        QTest::newRow("fraction of games")
            << QStringList{"5", "6", "2", "2.5"} << games << QList<bool>{false, false, false, true};
        QTest::newRow("51 in the A team") << QStringList{"51", "6", "2", "3"} << kChooseParticipants
                                          << QList<bool>{true, false, false, false};
        QTest::newRow("51 games") << QStringList{"5", "6", "2", "51"} << games
                                  << QList<bool>{false, false, false, true};
    }

    // One warning with the first failure's message; failed fields red, the others black, the
    // first failed one focused; the table on screen stays as it was.
    void refusesACountThatIsNotAWholeNumberUpTo50()
    {
        QFETCH(QStringList, counts);
        QFETCH(QString, message);
        QFETCH(QList<bool>, failed);

        m_ui->build(QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("2"),
                    QStringLiteral("3"));
        const QStringList before = m_ui->gridText();
        m_boxes->clear();

        m_ui->build(counts[0], counts[1], counts[2], counts[3]);

        expectOneWarning(kTitle, message);
        const QList<QComboBox*> fields = m_ui->counts();
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QCOMPARE(test::textColour(fields[i]), failed[i] ? kRed : kBlack);
        }
        QCOMPARE(m_screen->focusWidget(), fields[failed.indexOf(true)]);
        QCOMPARE(m_ui->gridText(), before);
        QCOMPARE(m_screen->table()->params.teamA, 5);
    }

    void eachTeamMustPutTwoPlayersOnEveryCourt_data()
    {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("message"); // empty: the table is built

        QTest::newRow("A team of 5 on two courts") << QStringList{"5", "4", "2", "1"} << "";
        QTest::newRow("A team of 3 on two courts")
            << QStringList{"3", "6", "2", "1"}
            << "Aチームの参加者数が少なく設定できません、コート数を少なく指定してください";
        QTest::newRow("B team of 3 on two courts")
            << QStringList{"6", "3", "2", "1"}
            << "Bチームの参加者数が少なく設定できません、コート数を少なく指定してください";
        QTest::newRow("both too small: the A team is named")
            << QStringList{"1", "1", "1", "1"}
            << "Aチームの参加者数が少なく設定できません、コート数を少なく指定してください";
    }

    void eachTeamMustPutTwoPlayersOnEveryCourt()
    {
        QFETCH(QStringList, counts);
        QFETCH(QString, message);

        m_ui->build(QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("1"),
                    QStringLiteral("2"));
        const QStringList before = m_ui->gridText();
        m_boxes->clear();

        m_ui->build(counts[0], counts[1], counts[2], counts[3]);

        if (message.isEmpty()) {
            QVERIFY(m_boxes->shown().isEmpty());
            QCOMPARE(m_screen->table()->params.teamA, counts[0].toInt());
            QCOMPARE(m_ui->grid()->rowCount(), 3);
            return;
        }
        expectOneWarning(kTitle, message);
        for (QComboBox* field : m_ui->counts()) {
            QCOMPARE(test::textColour(field), kBlack);
        }
        QCOMPARE(m_ui->gridText(), before);
        QCOMPARE(m_screen->table()->params.teamA, 9);
    }

    void showsEachGamesAAndBPairsCourtByCourt()
    {
        m_ui->build(QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("2"),
                    QStringLiteral("3"));

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(m_ui->gridText(), (QStringList{
                                       "コート|1コート|1コート|2コート|2コート",
                                       "試合|Aﾁｰﾑ|Bﾁｰﾑ|Aﾁｰﾑ|Bﾁｰﾑ",
                                       "第1試合|1-2|1-2|3-4|3-4",
                                       "第2試合|5-1|5-1|2-3|6-2",
                                       "第3試合|4-1|4-6|5-2|3-5",
                                   }));
        const RunParameters& params = m_screen->table()->params;
        QCOMPARE(params.teamA, 5);
        QCOMPARE(params.teamB, 6);
        QCOMPARE(params.courts, 2);
        QCOMPARE(params.pairSize, 2);
        QCOMPARE(params.games, 3);
    }

    void theGridHasYellowHeadersAndMergedCourtHeadings()
    {
        m_ui->build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("3"),
                    QStringLiteral("4"));
        QTableWidget* grid = m_ui->grid();

        QCOMPARE(grid->rowCount(), 4 + 2);
        QCOMPARE(grid->columnCount(), 2 * 3 + 1);
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                const bool header = row < 2 || column == 0;
                QCOMPARE(grid->item(row, column)->background().color() == kYellow, header);
                QCOMPARE(Qt::Alignment(grid->item(row, column)->textAlignment()), Qt::AlignCenter);
            }
        }
        for (const int column : {1, 3, 5}) {
            QCOMPARE(grid->columnSpan(0, column), 2);
            QCOMPARE(grid->columnSpan(1, column), 1);
        }
        QCOMPARE(grid->columnWidth(0), twipsToPixels(800, grid->logicalDpiX()));
    }

    void noGamesLaysOutTheHeaderRowsOnly()
    {
        m_ui->build(QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("2"),
                    QStringLiteral("0"));

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(m_ui->gridText(), (QStringList{
                                       "コート|1コート|1コート|2コート|2コート",
                                       "試合|Aﾁｰﾑ|Bﾁｰﾑ|Aﾁｰﾑ|Bﾁｰﾑ",
                                   }));
    }

    void printingBeforeAnyBuildPrintsNothing()
    {
        m_ui->press(QStringLiteral("B印刷"));

        expectOneWarning(kPrintTitle,
                         QStringLiteral("印刷するゾルカがありません。先に設定を押してください"));
        QVERIFY(m_startFolder.printedFiles().isEmpty());
    }

    void printingWithoutPrinterWritesAPdfAndSaysSo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer; the sheets would be printed on paper");
        }
        m_ui->build(QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("3"),
                    QStringLiteral("12"));
        m_ui->press(QStringLiteral("B印刷"));

        const QStringList files = m_startFolder.printedFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().endsWith(QStringLiteral(".pdf")));
        QVERIFY(QFileInfo(m_startFolder.printFolder() + QLatin1Char('/') + files.first()).size() >
                0);

        QCOMPARE(m_boxes->shown().size(), 2);
        const MessageBox::Shown& told = m_boxes->shown()[0];
        QCOMPARE(told.icon, MessageBox::Icon::Information);
        QCOMPARE(told.title, kTitle);
        QVERIFY(told.text.startsWith(ui::print_flow::kSentToPdf));
        QVERIFY2(told.text.endsWith(files.first()), qPrintable(told.text));
        const MessageBox::Shown& done = m_boxes->shown()[1];
        QCOMPARE(done.icon, MessageBox::Icon::Warning);
        QCOMPARE(done.title, kTitle);
        QCOMPARE(done.text, QStringLiteral("ゾルカは出力されました"));
    }

    void nineCourtsAreRefusedWithOnlyThePrintMessage()
    {
        m_ui->build(QStringLiteral("18"), QStringLiteral("18"), QStringLiteral("9"),
                    QStringLiteral("2"));
        QVERIFY(m_boxes->shown().isEmpty());
        m_ui->press(QStringLiteral("B印刷"));

        expectOneWarning(kPrintTitle, QStringLiteral("出力可能限度を超えています"));
        QVERIFY(m_startFolder.printedFiles().isEmpty());
    }

    void theMenuOpensOneTeamScreen()
    {
        m_ui.reset();
        m_screen.reset();
        MainMenu menu;
        menu.show();
        auto* open = menu.findChild<QPushButton*>(QStringLiteral("B団体戦"));
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        QTest::mouseClick(open, Qt::LeftButton);

        const QList<QWidget*> screens = test::topLevelsNamed(QStringLiteral("SB団体ゾルカv3"));
        QCOMPARE(screens.size(), 1);
        QVERIFY(screens.first()->isVisible());
        QCOMPARE(screens.first()->windowTitle(), kTitle);
    }
};

QTEST_MAIN(TeamScreenTest)
#include "TeamScreenTest.moc"
