#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/CashBookScreen.h"
#include "accounts/ui/MonthClosingScreen.h"
#include "app/StartupRoutine.h"

#include <QPushButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

QString box(const char* kind, const char* text)
{
    return QString::fromUtf8(kind) + QStringLiteral("|月締処理|") + QString::fromUtf8(text);
}

const QString kDone = box("warning", "出納帳の繰越をしました。");

template <class Widget> Widget* child(const QWidget* parent, const char* name)
{
    Widget* widget = parent->findChild<Widget*>(QString::fromUtf8(name));
    Q_ASSERT(widget);
    return widget;
}

QStringList shownRows(const QTableWidget* grid)
{
    QStringList rows = test::gridText(grid);
    rows.removeIf([](const QString& row) { return row.count(QLatin1Char('|')) == row.size(); });
    return rows;
}

} // namespace

class MonthClosingScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<MonthClosingScreen> m_screen;

    QLineEdit* field(const char* name) const { return child<QLineEdit>(m_screen.get(), name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(m_screen.get(), name); }
    QTableWidget* grid() const { return child<QTableWidget>(m_screen.get(), "出納"); }
    void press(const char* name, bool answer = true)
    {
        m_boxes->answer(answer);
        QTest::mouseClick(child<QPushButton>(m_screen.get(), name), Qt::LeftButton);
    }
    std::vector<std::string> carryRows() const
    {
        return test::rowsOf(*m_folder, "SELECT 出_年, 出_月, 出_日, 出_収支区分, 出_費目番号, "
                                       "出_金額, 出_備考 FROM 出納帳 WHERE 出_費目番号 IN "
                                       "('10100', '20900') ORDER BY 1, 2, 3");
    }

private slots:
    void init()
    {
        StartupRoutine::run({2026, 4, 15});
        m_folder = std::make_unique<test::TempFolder>();
        {
            Database database = Database::openOrCreate(m_folder->location());
            test::enterItem(database, "1", "10200", "月会費");
            test::enterItem(database, "2", "20100", "シャトル代");
            test::enterCash(database, "26/04/01", "1", "10100", "5000");
            test::enterCash(database, "26/04/10", "1", "10200", "36000");
            test::enterCash(database, "26/04/12", "2", "20100", "4500");
            test::enterCash(database, "26/04/20", "1", "10200", "3000");
        }
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<MonthClosingScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensOnTodaysMonthProposingItsBalance()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("d月締処理v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("月締処理"));
        QCOMPARE(combo("C年")->currentText(), QStringLiteral("26"));
        QCOMPARE(combo("C月")->currentText(), QStringLiteral("04"));
        QCOMPARE(field("費目")->text(), QStringLiteral("次月繰越"));
        QCOMPARE(grid()->rowCount(), 100);
        QCOMPARE(shownRows(grid()), (QStringList{"費目|収入額|支出額|合計", "前月繰越|5,000||",
                                                 "月会費|39,000||", "（収入合計）|||44,000",
                                                 "シャトル代||4,500|", "（支出合計）|||4,500"}));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        QCOMPARE(grid()->item(3, 0)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(field("繰越額")->text(), QStringLiteral("39,500"));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void closingWritesBothEntriesAndAgainUpdatesThem()
    {
        field("備考")->setText(QStringLiteral("4月締め"));
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{box("question", "入力内容で更新します。"), kDone}));
        QCOMPARE(carryRows(), (std::vector<std::string>{"26|04|01|1|10100|5000|",
                                                        "26|04|30|2|20900|39500|4月締め",
                                                        "26|05|01|1|10100|39500|4月締め"}));
        QVERIFY(shownRows(grid()).contains(QStringLiteral("次月繰越||39,500|")));
        // The month's own carry-out does not cancel its balance.
        QCOMPARE(field("繰越額")->text(), QStringLiteral("39,500"));

        // A receipt entered after the closing: closing again carries the new balance.
        {
            Database database = Database::open(m_folder->location());
            test::enterCash(database, "26/04/25", "1", "10200", "1000");
        }
        press("B表示");
        QCOMPARE(field("繰越額")->text(), QStringLiteral("40,500"));
        m_boxes->clear();
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{box("question", "指定月の月締め繰越処理は完了しています、"
                                              "再処理を行いますか？"),
                              kDone}));
        const std::vector<std::string> reclosed{"26|04|01|1|10100|5000|",
                                                "26|04|30|2|20900|40500|4月締め",
                                                "26|05|01|1|10100|40500|4月締め"};
        QCOMPARE(carryRows(), reclosed);
        QCOMPARE(field("繰越額")->text(), QStringLiteral("40,500"));

        // Without a change a further closing writes the same amounts.
        press("B確定");
        QCOMPARE(carryRows(), reclosed);

        m_boxes->clear();
        field("繰越額")->setText(QStringLiteral("-1,200"));
        press("B確定", false);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("question", "指定月の月締め繰越処理は完了しています、"
                                             "再処理を行いますか？")});
        QCOMPARE(carryRows(), reclosed);

        m_boxes->clear();
        press("B確定");
        QCOMPARE(carryRows(), (std::vector<std::string>{"26|04|01|1|10100|5000|",
                                                        "26|04|30|2|20900|-1200|4月締め",
                                                        "26|05|01|1|10100|-1200|4月締め"}));
    }

    void wrongMonthOrAmountWritesNothing()
    {
        combo("C月")->setCurrentText(QStringLiteral("13"));
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", "年月を正しく選択して下さい")});
        QCOMPARE(test::fieldColour(combo("C年")), kRed);
        QCOMPARE(test::fieldColour(combo("C月")), kRed);

        m_boxes->clear();
        combo("C月")->setCurrentText(QStringLiteral("04"));
        field("繰越額")->setText(QStringLiteral("12円"));
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", "繰越額を正しく入力してください")});
        QCOMPARE(test::fieldColour(field("繰越額")), kRed);
        QCOMPARE(carryRows().size(), std::size_t{1});

        field("繰越額")->clear();
        test::leave(field("繰越額"));
        QCOMPARE(field("繰越額")->text(), QStringLiteral("0"));
    }

    void theCashBookShowsTheNextMonthOpeningWithTheCarryIn()
    {
        combo("C年")->setCurrentText(QStringLiteral("20"));
        combo("C月")->setCurrentText(QStringLiteral("12"));
        press("B表示");
        QCOMPARE(field("繰越額")->text(), QStringLiteral("0"));
        field("繰越額")->setText(QStringLiteral("12,345"));
        press("B確定");
        QCOMPARE(carryRows(),
                 (std::vector<std::string>{"20|12|31|2|20900|12345|", "21|01|01|1|10100|12345|",
                                           "26|04|01|1|10100|5000|"}));

        CashBookScreen book(m_folder->location());
        book.show();
        child<QComboBox>(&book, "C年")->setCurrentText(QStringLiteral("21"));
        child<QComboBox>(&book, "C月")->setCurrentText(QStringLiteral("01"));
        child<QComboBox>(&book, "C日")->setCurrentText(QStringLiteral("01"));
        QTest::mouseClick(child<QPushButton>(&book, "B表示"), Qt::LeftButton);
        const QStringList rows = shownRows(child<QTableWidget>(&book, "出納"));
        QCOMPARE(rows.value(1), QStringLiteral("01|10100|前月繰越|12,345||12,345|"));

        child<QComboBox>(&book, "C年")->setCurrentText(QStringLiteral("20"));
        child<QComboBox>(&book, "C月")->setCurrentText(QStringLiteral("12"));
        QTest::mouseClick(child<QPushButton>(&book, "B表示"), Qt::LeftButton);
        QCOMPARE(shownRows(child<QTableWidget>(&book, "出納")).value(1),
                 QStringLiteral("31|20900|次月繰越||12,345|-12,345|"));
    }
};

QTEST_MAIN(MonthClosingScreenTest)
#include "MonthClosingScreenTest.moc"
