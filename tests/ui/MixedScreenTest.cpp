#include "ScreenTestSupport.h"

#include "app/MainMenu.h"
#include "common/ui/MessageBox.h"
#include "matchtable/ui/MixedScreen.h"
#include "output/ui/PrintFlow.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace zoruka;
using test::leave;
using test::textColour;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);

const QString kTitle = QStringLiteral("Mixダブルスゾルカ");
const QString kPrintTitle = QStringLiteral("Mixダブルスゾルカ出力");
const QString kChooseMen = QStringLiteral("男性の人数を選択してください");
const QString kChooseWomen = QStringLiteral("女性の人数を選択してください");
const QString kChooseCourts = QStringLiteral("使用するコート数を選択してください");
const QString kChooseGames = QStringLiteral("設定する試合数を選択してください");

} // namespace

class MixedScreenTest : public QObject {
    Q_OBJECT

private:
    // The folder the program "started in": printed PDF files go below it.
    QTemporaryDir m_startFolder;
    std::unique_ptr<MixedScreen> m_screen;
    std::unique_ptr<MessageBox::Script> m_boxes;

    QComboBox* combo(const QString& name) const { return m_screen->findChild<QComboBox*>(name); }
    QComboBox* men() const { return combo(QStringLiteral("C男")); }
    QComboBox* women() const { return combo(QStringLiteral("C女")); }
    QComboBox* courts() const { return combo(QStringLiteral("Cコート数")); }
    QComboBox* games() const { return combo(QStringLiteral("C試合数")); }
    QList<QComboBox*> counts() const { return {men(), women(), courts(), games()}; }
    QTableWidget* grid() const
    {
        return m_screen->findChild<QTableWidget*>(QStringLiteral("Gゾルカ"));
    }
    QPushButton* button(const QString& name) const
    {
        return m_screen->findChild<QPushButton*>(name);
    }

    void enter(const QString& m, const QString& w, const QString& c, const QString& g)
    {
        men()->setEditText(m);
        women()->setEditText(w);
        courts()->setEditText(c);
        games()->setEditText(g);
    }
    void build(const QString& m, const QString& w, const QString& c, const QString& g)
    {
        enter(m, w, c, g);
        press(QStringLiteral("B設定"));
    }
    void press(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item ? item->text() : QString();
    }

    QStringList gridText() const { return test::gridText(grid()); }

    QStringList printedFiles() const
    {
        return QDir(m_startFolder.filePath(QStringLiteral("印刷")))
            .entryList(QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_startFolder.isValid());
        // Before anything asks for the folder the program started in, which is then kept.
        QVERIFY(QDir::setCurrent(m_startFolder.path()));
    }

    void init()
    {
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<MixedScreen>();
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        test::deleteTopLevelWindows();
        QDir(m_startFolder.filePath(QStringLiteral("印刷"))).removeRecursively();
    }

    void loadsWithEmptyCountsAndPairsOfTwo()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("SBMixゾルカv3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("MIXダブルス・ゾルカ作成"));
        QVERIFY(m_screen->isWindow());
        QStringList numbers;
        for (int n = 0; n <= 50; ++n) {
            numbers << QString::number(n);
        }
        for (QComboBox* count : counts()) {
            QVERIFY(count->isEditable());
            QStringList items;
            for (int i = 0; i < count->count(); ++i) {
                items << count->itemText(i);
            }
            QCOMPARE(items, numbers);
            QCOMPARE(count->currentText(), QString());
        }
        QStringList labels;
        for (const QLabel* label : m_screen->findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const char* label : {"男性人数", "女性人数", "試合コート数", "試合数", "人数"}) {
            QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
        }
        QComboBox* pairSize = combo(QStringLiteral("Cチーム人数"));
        QCOMPARE(pairSize->currentText(), QStringLiteral("2"));
        QVERIFY(!pairSize->isEnabled());
        const std::pair<const char*, const char*> buttons[] = {
            {"B設定", "設定"}, {"B印刷", "印刷"}, {"Ccsv出力", "CSV出力"}, {"終了", "終了"}};
        for (const auto& [name, caption] : buttons) {
            QPushButton* found = button(QString::fromUtf8(name));
            QVERIFY2(found, name);
            QCOMPARE(found->text(), QString::fromUtf8(caption));
            QVERIFY(found->isEnabled());
        }
        QCOMPARE(grid()->rowCount(), 0);
        QVERIFY(!m_screen->table());
    }

    void refusesACountThatIsNotAWholeNumberUpTo50_data()
    {
        QTest::addColumn<QStringList>("typed"); // men, women, courts, games
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<bool>>("failed");

        QTest::newRow("letters in women") << QStringList{"8", "abc", "2", "3"} << kChooseWomen
                                          << QList<bool>{false, true, false, false};
        QTest::newRow("men invalid too") << QStringList{"x", "abc", "2", "3"} << kChooseMen
                                         << QList<bool>{true, true, false, false};
        QTest::newRow("51 games") << QStringList{"8", "8", "2", "51"} << kChooseGames
                                  << QList<bool>{false, false, false, true};
        QTest::newRow("negative men") << QStringList{"-1", "8", "2", "3"} << kChooseMen
                                      << QList<bool>{true, false, false, false};
        QTest::newRow("fraction of courts") << QStringList{"8", "8", "2.5", "3"} << kChooseCourts
                                            << QList<bool>{false, false, true, false};
        QTest::newRow("nothing chosen")
            << QStringList{"", "", "", ""} << kChooseMen << QList<bool>{true, true, true, true};
    }

    // One warning under "Mixダブルスゾルカ" with the first failure's message; failed fields red,
    // the others black, the first failed one focused; the table on screen stays as it was.
    void refusesACountThatIsNotAWholeNumberUpTo50()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QList<bool>, failed);

        build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("2"), QStringLiteral("3"));
        const QStringList before = gridText();
        m_boxes->clear();

        build(typed[0], typed[1], typed[2], typed[3]);

        QCOMPARE(m_boxes->shown().size(), 1);
        const MessageBox::Shown& box = m_boxes->shown().first();
        QCOMPARE(box.icon, MessageBox::Icon::Warning);
        QCOMPARE(box.title, kTitle);
        QCOMPARE(box.text, message);
        const QList<QComboBox*> fields = counts();
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QCOMPARE(textColour(fields[i]), failed[i] ? kRed : kBlack);
        }
        QCOMPARE(m_screen->focusWidget(), fields[failed.indexOf(true)]);
        QCOMPARE(gridText(), before);
        QCOMPARE(m_screen->table()->params.games, 3);
    }

    void tooFewMenOrWomenForTheCourtsKeepsTheOldTable_data()
    {
        QTest::addColumn<QString>("menCount");
        QTest::addColumn<QString>("womenCount");
        QTest::addColumn<QString>("message");

        QTest::newRow("8 men for 5 courts")
            << "8"
            << "8"
            << QStringLiteral("男性数が少なく設定できません、コート数を少なく指定してください");
        QTest::newRow("8 women for 5 courts")
            << "10"
            << "8"
            << QStringLiteral("女性数が少なく設定できません、コート数を少なく指定してください");
    }

    void tooFewMenOrWomenForTheCourtsKeepsTheOldTable()
    {
        QFETCH(QString, menCount);
        QFETCH(QString, womenCount);
        QFETCH(QString, message);

        build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("2"), QStringLiteral("3"));
        const QStringList before = gridText();
        m_boxes->clear();

        build(menCount, womenCount, QStringLiteral("5"), QStringLiteral("3"));

        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown().first().title, kTitle);
        QCOMPARE(m_boxes->shown().first().text, message);
        for (QComboBox* field : counts()) {
            QCOMPARE(textColour(field), kBlack);
        }
        QCOMPARE(gridText(), before);
        QCOMPARE(m_screen->table()->params.courts, 2);
    }

    void twoCourtsAndThreeGamesMakeSixRowsOfTenColumns()
    {
        build(QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"));

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(grid()->rowCount(), 6);
        QCOMPARE(grid()->columnCount(), 10);
        const QStringList lines = gridText();
        QCOMPARE(lines[0], QStringLiteral("コート|コート1|コート1|コート1|コート1|コート2|コート2|"
                                          "コート2|コート2|"));
        QCOMPARE(lines[1], QStringLiteral("|A面|A面|B面|B面|A面|A面|B面|B面|"));
        QCOMPARE(lines[2], QStringLiteral("試合|男|女|男|女|男|女|男|女|"));
        QCOMPARE(cell(3, 0), QStringLiteral("第1試合"));
        QCOMPARE(cell(5, 0), QStringLiteral("第3試合"));
        QCOMPARE(grid()->columnSpan(0, 1), 4);
        QCOMPARE(grid()->columnSpan(1, 1), 2);
        QCOMPARE(grid()->columnSpan(1, 3), 2);

        // Slot s's man in column 2s - 1 and woman in column 2s, as the table holds them.
        const MatchTable& table = *m_screen->table();
        QCOMPARE(table.params.men, 8);
        QCOMPARE(table.params.women, 9);
        QCOMPARE(table.builtGames(), 3);
        for (int game = 1; game <= 3; ++game) {
            for (int slot = 1; slot <= 4; ++slot) {
                const Pair pair = table.results.pair(game, slot);
                QCOMPARE(cell(game + 2, 2 * slot - 1), QString::number(pair.first));
                QCOMPARE(cell(game + 2, 2 * slot), QString::number(pair.second));
            }
            QCOMPARE(cell(game + 2, 9), QString());
        }
    }

    void womenStandInLightRedUnderYellowHeaders()
    {
        build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("2"), QStringLiteral("3"));
        QTableWidget* table = grid();
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                const bool header = row < 3 || column == 0;
                QCOMPARE(item->background().color() == kYellow, header);
                const bool woman = !header && column % 2 == 0 && column < 9;
                QCOMPARE(item->foreground().color() == kRed, woman);
            }
        }
    }

    // Every man plays in every game and never twice with the same woman, so only four of the
    // six games can be built; the other rows keep just their labels.
    void fourMenAndFourWomenFillOnlyFourGames()
    {
        build(QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("6"));

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(grid()->rowCount(), 9);
        QCOMPARE(m_screen->table()->builtGames(), 4);
        for (int row = 3; row < 9; ++row) {
            for (int column = 1; column < 9; ++column) {
                QCOMPARE(cell(row, column).isEmpty(), row >= 7);
            }
        }
        QCOMPARE(cell(8, 0), QStringLiteral("第6試合"));
    }

    void noCourtsShowsOnlyHeadersAndGameLabels()
    {
        build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("2"));

        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(gridText(), (QStringList{"コート|", "|", "試合|", "第1試合|", "第2試合|"}));
    }

    // Leaving a field runs its check alone: the colour changes, no message is shown.
    void leavingAFieldMarksItWithoutAMessage()
    {
        women()->setEditText(QStringLiteral("abc"));
        leave(women());
        QCOMPARE(textColour(women()), kRed);
        QCOMPARE(textColour(men()), kBlack); // not left yet, so not judged

        women()->setEditText(QStringLiteral("8"));
        leave(women());
        QCOMPARE(textColour(women()), kBlack);

        games()->setEditText(QStringLiteral("51"));
        leave(games());
        QCOMPARE(textColour(games()), kRed);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void printingBeforeAnyBuildPrintsNothing()
    {
        press(QStringLiteral("B印刷"));

        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().title, kPrintTitle);
        QCOMPARE(m_boxes->shown().first().text,
                 QStringLiteral("印刷するゾルカがありません。先に設定を押してください"));
        QVERIFY(printedFiles().isEmpty());
    }

    void printingWithoutPrinterWritesAPdfAndSaysSo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer; the sheets would be printed on paper");
        }
        build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("2"), QStringLiteral("12"));
        press(QStringLiteral("B印刷"));

        const QStringList files = printedFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().endsWith(QStringLiteral(".pdf")));
        const QString path = m_startFolder.filePath(QStringLiteral("印刷/") + files.first());
        QVERIFY(QFileInfo(path).size() > 0);

        QCOMPARE(m_boxes->shown().size(), 2);
        const MessageBox::Shown& told = m_boxes->shown()[0];
        QCOMPARE(told.icon, MessageBox::Icon::Information);
        QCOMPARE(told.title, kTitle);
        QVERIFY(told.text.startsWith(ui::print_flow::kSentToPdf));
        QVERIFY2(told.text.endsWith(files.first()), qPrintable(told.text));
        const MessageBox::Shown& done = m_boxes->shown()[1];
        QCOMPARE(done.title, kTitle);
        QCOMPARE(done.text, QStringLiteral("Mixダブルスゾルカは出力されました"));
    }

    void nineCourtsAreRefusedUnderThePrintTitle()
    {
        build(QStringLiteral("18"), QStringLiteral("18"), QStringLiteral("9"), QStringLiteral("2"));
        QVERIFY(m_boxes->shown().isEmpty());
        press(QStringLiteral("B印刷"));

        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Warning);
        QCOMPARE(m_boxes->shown().first().title, kPrintTitle);
        QCOMPARE(m_boxes->shown().first().text,
                 QStringLiteral("出力可能限度を超えています、CSVファイルに出力し編集してください"));
        QVERIFY(printedFiles().isEmpty());
    }

    void csvExportBeforeAnyBuildOpensNothing()
    {
        const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
        press(QStringLiteral("Ccsv出力"));

        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().title, kTitle);
        QCOMPARE(m_boxes->shown().first().text,
                 QStringLiteral("出力するゾルカがありません。先に設定を押してください"));
        QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
    }

    void csvExportOpensTheMixedExportScreenModally()
    {
        build(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("2"), QStringLiteral("3"));
        QString name;
        QString caption;
        bool modal = false;
        // The screen runs its own event loop; look at it from there and close it.
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                name = dialog->objectName();
                caption = dialog->windowTitle();
                modal = dialog->isModal();
                dialog->reject();
            }
        });
        press(QStringLiteral("Ccsv出力"));

        QCOMPARE(name, QStringLiteral("SBMix対戦CSV"));
        QCOMPARE(caption, QStringLiteral("Mixダブルス対戦CSV出力"));
        QVERIFY(modal);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void theMenuOpensOneMixedScreen()
    {
        m_screen.reset(); // only the menu's screen is to be found
        MainMenu menu;
        menu.show();
        auto* open = menu.findChild<QPushButton*>(QStringLiteral("BMixゾルカ"));
        QVERIFY(open);
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        QTest::mouseClick(open, Qt::LeftButton);

        const QList<QWidget*> screens = test::topLevelsNamed(QStringLiteral("SBMixゾルカv3"));
        QCOMPARE(screens.size(), 1);
        QVERIFY(screens.first()->isVisible());
        QCOMPARE(screens.first()->windowTitle(), QStringLiteral("MIXダブルス・ゾルカ作成"));
    }

    void quitClosesTheScreen()
    {
        press(QStringLiteral("終了"));
        QVERIFY(!m_screen->isVisible());
    }
};

QTEST_MAIN(MixedScreenTest)
#include "MixedScreenTest.moc"
