#include "ScreenTestSupport.h"

#include "common/GridModel.h"
#include "common/ui/MessageBox.h"
#include "matchtable/ui/DoublesScreen.h"
#include "output/DoublesCsv.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace zoruka;
using test::leave;
using test::textColour;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);

const QString kTitle = QStringLiteral("練習ゾルカ");
const QString kOutputTitle = QStringLiteral("ゾルカ出力");
const QString kPrinted = QStringLiteral("ゾルカは出力されました");

} // namespace

class DoublesScreenTest : public QObject {
    Q_OBJECT

private:
    // The folder the program "started" in: the current directory before anything asked for it.
    QTemporaryDir m_start;
    QString m_startedIn;
    std::unique_ptr<DoublesScreen> m_screen;
    std::unique_ptr<MessageBox::Script> m_boxes;

    QComboBox* combo(const QString& name) const { return m_screen->findChild<QComboBox*>(name); }
    QComboBox* participants() const { return combo(QStringLiteral("C参加人数")); }
    QComboBox* courts() const { return combo(QStringLiteral("Cコート数")); }
    QComboBox* games() const { return combo(QStringLiteral("C試合数")); }
    QTableWidget* grid() const
    {
        return m_screen->findChild<QTableWidget*>(QStringLiteral("Gゾルカ"));
    }
    QPushButton* button(const QString& name) const
    {
        return m_screen->findChild<QPushButton*>(name);
    }

    void enter(const QString& n, const QString& c, const QString& g)
    {
        participants()->setEditText(n);
        courts()->setEditText(c);
        games()->setEditText(g);
    }

    void pressSet() { QTest::mouseClick(button(QStringLiteral("B設定")), Qt::LeftButton); }
    void pressPrint() { QTest::mouseClick(button(QStringLiteral("B印刷")), Qt::LeftButton); }

    // Presses "CSV出力" and hands the modal screen it opens to `act`, then closes it. Returns
    // whether a screen opened.
    bool exportCsv(const std::function<void(QDialog*)>& act = {})
    {
        bool opened = false;
        QTimer::singleShot(0, m_screen.get(), [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                if (act) {
                    act(dialog);
                }
                dialog->reject();
            }
        });
        QTest::mouseClick(button(QStringLiteral("Ccsv出力")), Qt::LeftButton);
        // Without a modal screen the check runs only now.
        QCoreApplication::processEvents();
        return opened;
    }

    QStringList printedFiles() const
    {
        return QDir(QDir(m_startedIn).filePath(QStringLiteral("印刷"))).entryList(QDir::Files);
    }

    void expectOneWarning(const QString& title, const QString& text)
    {
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown().first().title, title);
        QCOMPARE(m_boxes->shown().first().text, text);
    }

    QStringList gridText() const { return test::gridText(grid()); }

    int pixels(int twips) const { return twipsToPixels(twips, grid()->logicalDpiX()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_start.isValid());
        QVERIFY(QDir::setCurrent(m_start.path()));
        m_startedIn = QDir::currentPath();
    }

    void init()
    {
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<DoublesScreen>();
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
    }

    void loadsWithEmptyCountsAndPairsOfTwo()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("SBゾルカv3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("ダブルス・ゾルカ作成"));
        QVERIFY(m_screen->isWindow());
        QStringList numbers;
        for (int n = 0; n <= 50; ++n) {
            numbers << QString::number(n);
        }
        for (QComboBox* count : {participants(), courts(), games()}) {
            QVERIFY(count->isEditable());
            QStringList items;
            for (int i = 0; i < count->count(); ++i) {
                items << count->itemText(i);
            }
            QCOMPARE(items, numbers);
            QCOMPARE(count->currentText(), QString());
        }
        QCOMPARE(combo(QStringLiteral("Cチーム人数"))->currentText(), QStringLiteral("2"));
        QCOMPARE(button(QStringLiteral("B設定"))->text(), QStringLiteral("設定"));
        QCOMPARE(button(QStringLiteral("B印刷"))->text(), QStringLiteral("印刷"));
        QCOMPARE(button(QStringLiteral("Ccsv出力"))->text(), QStringLiteral("CSV出力"));
        QCOMPARE(button(QStringLiteral("終了"))->text(), QStringLiteral("終了"));
        QVERIFY(button(QStringLiteral("B印刷"))->isEnabled());
        QVERIFY(button(QStringLiteral("Ccsv出力"))->isEnabled());
        QCOMPARE(grid()->rowCount(), 0);
        QVERIFY(!m_screen->table());
    }

    void refusesACountThatIsNotAWholeNumberUpTo50_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<bool>>("failed");

        const QString participants = QStringLiteral("参加人数を選択してください");
        const QString courts = QStringLiteral("使用するコート数を選択してください");
        const QString games = QStringLiteral("設定する試合数を選択してください");
        QTest::newRow("letters in games") << "9"
                                          << "2"
                                          << "abc" << games << QList<bool>{false, false, true};
        QTest::newRow("nothing chosen") << ""
                                        << ""
                                        << "" << participants << QList<bool>{true, true, true};
        QTest::newRow("negative participants")
            << "-1"
            << "2"
            << "3" << participants << QList<bool>{true, false, false};
        QTest::newRow("fraction of courts") << "9"
                                            << "2.5"
                                            << "3" << courts << QList<bool>{false, true, false};
        QTest::newRow("51 games") << "9"
                                  << "2"
                                  << "51" << games << QList<bool>{false, false, true};
        QTest::newRow("first failure wins") << "9"
                                            << "x"
                                            << "" << courts << QList<bool>{false, true, true};
    }

    // One warning under "練習ゾルカ" with the first failure's message; failed fields red, the
    // others black, the first failed one focused; the table on screen stays as it was.
    void refusesACountThatIsNotAWholeNumberUpTo50()
    {
        QFETCH(QString, n);
        QFETCH(QString, c);
        QFETCH(QString, g);
        QFETCH(QString, message);
        QFETCH(QList<bool>, failed);

        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        const QStringList before = gridText();
        m_boxes->clear();

        enter(n, c, g);
        pressSet();

        QCOMPARE(m_boxes->shown().size(), 1);
        const MessageBox::Shown& box = m_boxes->shown().first();
        QCOMPARE(box.icon, MessageBox::Icon::Warning);
        QCOMPARE(box.title, kTitle);
        QCOMPARE(box.text, message);
        const QList<QComboBox*> fields{participants(), courts(), games()};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QCOMPARE(textColour(fields[i]), failed[i] ? kRed : kBlack);
        }
        QCOMPARE(m_screen->focusWidget(), fields[failed.indexOf(true)]);
        QCOMPARE(gridText(), before);
        QCOMPARE(m_screen->table()->params.participants, 9);
    }

    void lettersTypedIntoGamesAfterValidChoices()
    {
        participants()->setCurrentIndex(9);
        courts()->setCurrentIndex(2);
        games()->setFocus();
        QTest::keyClicks(games(), QStringLiteral("ab"));
        QCOMPARE(games()->currentText(), QStringLiteral("ab"));
        pressSet();

        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().text, QStringLiteral("設定する試合数を選択してください"));
        QCOMPARE(textColour(games()), kRed);
        QCOMPARE(grid()->rowCount(), 0);
    }

    void aCorrectedFieldTurnsBlackAgain()
    {
        enter(QStringLiteral("x"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        QCOMPARE(textColour(participants()), kRed);
        participants()->setEditText(QStringLiteral("9"));
        pressSet();
        QCOMPARE(textColour(participants()), kBlack);
        QCOMPARE(grid()->rowCount(), 5);
    }

    void tooFewParticipantsForTheCourtsKeepsTheOldTable()
    {
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        const QStringList before = gridText();
        m_boxes->clear();

        enter(QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();

        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown().first().title, kTitle);
        QCOMPARE(
            m_boxes->shown().first().text,
            QStringLiteral("参加者数が少なく設定できません、コート数を少なく指定してください"));
        for (QComboBox* field : {participants(), courts(), games()}) {
            QCOMPARE(textColour(field), kBlack);
        }
        QCOMPARE(gridText(), before);
        QCOMPARE(m_screen->table()->params.participants, 9);
    }

    void buildsNinePlayersOnTwoCourtsForThreeGames()
    {
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(gridText(), (QStringList{
                                 "コート|1コート|1コート|2コート|2コート|",
                                 "試合|A面|B面|A面|B面|休憩",
                                 "第1試合|1-2|3-8|4-5|6-7|9",
                                 "第2試合|9-7|1-3|2-5|4-6|8",
                                 "第3試合|8-2|9-5|1-4|3-6|7",
                             }));
        QVERIFY(m_screen->table());
        QCOMPARE(m_screen->table()->params.participants, 9);
        QCOMPARE(m_screen->table()->params.courts, 2);
        QCOMPARE(m_screen->table()->params.games, 3);
        for (QComboBox* field : {participants(), courts(), games()}) {
            QCOMPARE(textColour(field), kBlack);
        }
    }

    // The random screen places players by chance but rotates rests like the main screen, and
    // every game is complete.
    void theRandomScreenKeepsTheRestsOfTheMainScreen()
    {
        m_screen = std::make_unique<DoublesScreen>(PairingMode::Random);
        QCOMPARE(m_screen->objectName(), QStringLiteral("SBゾルカv4"));
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();

        QVERIFY(m_boxes->shown().isEmpty());
        const QStringList rows = gridText();
        QCOMPARE(rows.size(), 5);
        for (int game = 1; game <= 3; ++game) {
            const QStringList cells = rows[game + 1].split(QLatin1Char('|'));
            QCOMPARE(cells.last(), QString::number(10 - game));
            QStringList players;
            for (int side = 1; side <= 4; ++side) {
                players += cells[side].split(QLatin1Char('-'));
            }
            players.sort();
            QCOMPARE(players.removeDuplicates(), 0);
            QCOMPARE(players.size(), 8);
        }
    }

    void theGridLooksLikeTheSystemsGrid()
    {
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        QTableWidget* table = grid();

        QVERIFY(table->horizontalHeader()->isHidden());
        QVERIFY(table->verticalHeader()->isHidden());
        // Header rows 0 and 1 and the label column are yellow; the pair and rest cells are not.
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const bool header = row < 2 || column == 0;
                QCOMPARE(table->item(row, column)->background().color() == kYellow, header);
                QVERIFY(!(table->item(row, column)->flags() & Qt::ItemIsEditable));
            }
        }
        QCOMPARE(table->columnWidth(0), pixels(800));
        QCOMPARE(table->columnWidth(5), pixels(500 + 200 * 1));
        QCOMPARE(table->columnWidth(1), table->horizontalHeader()->defaultSectionSize());
        // Each court's heading spans its A and B columns.
        QCOMPARE(table->columnSpan(0, 1), 2);
        QCOMPARE(table->columnSpan(0, 3), 2);
        QCOMPARE(table->columnSpan(0, 0), 1);
        QCOMPARE(table->columnSpan(1, 1), 1);
        QCOMPARE(table->rowSpan(2, 5), 1);

        const auto alignment = [table](int row, int column) {
            return Qt::Alignment(table->item(row, column)->textAlignment());
        };
        QCOMPARE(alignment(0, 0), Qt::AlignCenter);
        QCOMPARE(alignment(0, 1), Qt::AlignHCenter | Qt::AlignBottom);
        QCOMPARE(alignment(1, 2), Qt::AlignHCenter | Qt::AlignBottom);
        QCOMPARE(alignment(1, 5), Qt::AlignCenter);
        QCOMPARE(alignment(2, 0), Qt::AlignHCenter | Qt::AlignBottom);
        QCOMPARE(alignment(2, 5), Qt::AlignLeft | Qt::AlignBottom);
    }

    void nobodyRestsWhenEveryoneIsOnCourt()
    {
        enter(QStringLiteral("8"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();

        QVERIFY(m_boxes->shown().isEmpty());
        const QStringList lines = gridText();
        QCOMPARE(lines.size(), 5);
        for (int row = 2; row < 5; ++row) {
            QVERIFY2(lines[row].endsWith(QLatin1Char('|')), qPrintable(lines[row]));
            QCOMPARE(lines[row].split(QLatin1Char('|')).size(), 6);
            QVERIFY(!lines[row].contains(QStringLiteral("||")));
        }
        QCOMPARE(grid()->columnWidth(5), pixels(500));
    }

    void noCourtsShowsOnlyHeadersAndGameLabels()
    {
        enter(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("3"));
        pressSet();

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(gridText(), (QStringList{
                                 "コート|",
                                 "試合|休憩",
                                 "第1試合|",
                                 "第2試合|",
                                 "第3試合|",
                             }));
    }

    void aSecondBuildReplacesTheWholeGrid()
    {
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        enter(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("1"));
        pressSet();

        QCOMPARE(gridText(), (QStringList{
                                 "コート|1コート|1コート|",
                                 "試合|A面|B面|休憩",
                                 "第1試合|1-2|3-4|5",
                             }));
        // No span or width of the first table survives.
        QCOMPARE(grid()->columnSpan(0, 1), 2);
        QCOMPARE(grid()->columnSpan(0, 3), 1);
        QCOMPARE(grid()->columnWidth(3), pixels(700));
        QCOMPARE(m_screen->table()->params.participants, 5);
    }

    // Leaving a field runs its check alone: the colour changes, no message is shown.
    void leavingAFieldMarksItWithoutAMessage()
    {
        games()->setEditText(QStringLiteral("abc"));
        leave(games());
        QCOMPARE(textColour(games()), kRed);
        QCOMPARE(textColour(participants()), kBlack); // not left yet, so not judged

        games()->setEditText(QStringLiteral("3"));
        leave(games());
        QCOMPARE(textColour(games()), kBlack);

        leave(participants()); // left empty
        QCOMPARE(textColour(participants()), kRed);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // Opening the combo's list or switching to another program is not leaving the field.
    void openingTheListIsNotLeavingTheField()
    {
        courts()->setEditText(QStringLiteral("abc"));
        leave(courts(), Qt::PopupFocusReason);
        leave(courts(), Qt::ActiveWindowFocusReason);
        QCOMPARE(textColour(courts()), kBlack);
    }

    void thePairSizeStaysTwo()
    {
        QComboBox* pairSize = combo(QStringLiteral("Cチーム人数"));
        QTest::keyClicks(pairSize, QStringLiteral("3"));
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        QCOMPARE(pairSize->currentText(), QStringLiteral("2"));
        QVERIFY(!pairSize->isEnabled());
        QCOMPARE(m_screen->table()->params.pairSize, 2);
    }

    void printingWithoutAPrinterWritesAPdfInTheStartFolder()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer");
        }
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        const QStringList before = printedFiles();
        pressPrint();

        QStringList added = printedFiles();
        for (const QString& old : before) {
            added.removeAll(old);
        }
        QCOMPARE(added.size(), 1);
        const QString pdf = QDir(m_startedIn).filePath(QStringLiteral("印刷/") + added.first());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");

        QCOMPARE(m_boxes->shown().size(), 2);
        QCOMPARE(m_boxes->shown()[0].icon, MessageBox::Icon::Information);
        QCOMPARE(m_boxes->shown()[0].title, kTitle);
        QCOMPARE(m_boxes->shown()[0].text,
                 QStringLiteral("プリンタがないため、PDFファイルに出力しました。\n") + pdf);
        QCOMPARE(m_boxes->shown()[1].icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown()[1].title, kTitle);
        QCOMPARE(m_boxes->shown()[1].text, kPrinted);
    }

    // A refusal comes under the print layout's title, nothing is printed and no completion
    // message follows.
    void printingIsRefusedForNineCourtsAndBeforeAnyTable()
    {
        const QStringList before = printedFiles();
        pressPrint();
        expectOneWarning(kOutputTitle,
                         QStringLiteral("印刷するゾルカがありません。先に設定を押してください"));

        enter(QStringLiteral("36"), QStringLiteral("9"), QStringLiteral("1"));
        pressSet();
        QVERIFY(m_screen->table());
        m_boxes->clear();
        pressPrint();
        expectOneWarning(
            kOutputTitle,
            QStringLiteral("出力可能限度を超えています、CSVファイルに出力し編集してください"));
        QCOMPARE(printedFiles(), before);
    }

    void csvExportOpensTheDoublesExportScreenOnTheTable()
    {
        enter(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));
        pressSet();
        const QString path = QDir(m_startedIn).filePath(QStringLiteral("doubles.csv"));
        QString name;
        QString caption;
        const bool opened = exportCsv([&](QDialog* dialog) {
            name = dialog->objectName();
            caption = dialog->windowTitle();
            dialog->findChild<QLineEdit*>(QStringLiteral("出力データ"))->setText(path);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("B実行")),
                              Qt::LeftButton);
        });

        QVERIFY(opened);
        QCOMPARE(name, QStringLiteral("SB対戦CSV出力"));
        QCOMPARE(caption, QStringLiteral("対戦CSV出力"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(),
                 encodeText(doublesCsv(*m_screen->table()), TextEncoding::ShiftJis));
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Information);
        QCOMPARE(m_boxes->shown().first().title, kOutputTitle);
        QCOMPARE(m_boxes->shown().first().text, QStringLiteral("ゾルカ抜出処理は終了しました"));
    }

    // With no game built there is nothing to export: a message, and no export screen.
    void csvExportIsRefusedWithoutABuiltGame()
    {
        const QString nothing =
            QStringLiteral("出力するゾルカがありません。先に設定を押してください");
        QVERIFY(!exportCsv());
        expectOneWarning(kOutputTitle, nothing);

        enter(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("3"));
        pressSet();
        m_boxes->clear();
        QVERIFY(!exportCsv());
        expectOneWarning(kOutputTitle, nothing);
    }

    void quitClosesTheScreen()
    {
        QTest::mouseClick(button(QStringLiteral("終了")), Qt::LeftButton);
        QVERIFY(!m_screen->isVisible());
    }
};

QTEST_MAIN(DoublesScreenTest)
#include "DoublesScreenTest.moc"
