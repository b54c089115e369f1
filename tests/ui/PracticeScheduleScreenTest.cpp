#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/PracticeScheduleScreen.h"
#include "common/GridModel.h"

#include <QPushButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

QString box(const char* kind, const char* text)
{
    return QString::fromUtf8(kind) + QStringLiteral("|出納記録|") + QString::fromUtf8(text);
}

const QString kConfirm = box("question", "練習予定を入力内容で更新します。");
const QString kStored = box("warning", "練習予定は更新(登録)されました。");
const QString kNotADay = box("warning", "日付が有効範囲外です。");

} // namespace

class PracticeScheduleScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<PracticeScheduleScreen> m_screen;

    template <class Widget> Widget* find(const QString& name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(name);
        Q_ASSERT(widget);
        return widget;
    }
    QComboBox* year() const { return find<QComboBox>(QStringLiteral("C年")); }
    QComboBox* month() const { return find<QComboBox>(QStringLiteral("C月")); }
    QTableWidget* grid() const { return find<QTableWidget>(QStringLiteral("G日付")); }
    void press(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    void showMonth(const QString& yy, const QString& mm)
    {
        year()->setEditText(yy);
        month()->setEditText(mm);
        press(QStringLiteral("B表示"));
    }

    QColor background(int row, int column) const
    {
        return grid()->item(row, column)->background().color();
    }
    QColor foreground(int row, int column) const
    {
        return grid()->item(row, column)->foreground().color();
    }

    void store(bool answer)
    {
        m_boxes->answer(answer);
        press(QStringLiteral("B確定"));
    }

    std::vector<std::string> practiceRows() const
    {
        return test::rowsOf(
            *m_folder, "SELECT 練_年 || '/' || 練_月 || '/' || 練_日 FROM 練習予定 ORDER BY 1");
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        {
            Database database = Database::openOrCreate(m_folder->location());
            for (const char* day : {"10/04/10", "10/05/08", "10/05/15", "10/06/05"}) {
                const std::string date = day;
                TableCursor row = database.table("練習予定");
                row.editOrAddNew({date.substr(0, 2), date.substr(3, 2), date.substr(6, 2)});
                row.update();
            }
        }
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<PracticeScheduleScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
        QVERIFY(m_boxes->shown().isEmpty());
        showMonth(QStringLiteral("10"), QStringLiteral("05"));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensWithTheWeekdayHeader()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("c練習日程v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("練習日程の登録"));
        for (const char* name : {"B表示", "前月", "次月", "B確定", "B終了"}) {
            QVERIFY2(m_screen->findChild<QPushButton*>(QString::fromUtf8(name)), name);
        }
        QCOMPARE(year()->itemText(0), QStringLiteral("08"));
        QCOMPARE(month()->count(), 12);
        QCOMPARE(grid()->rowCount(), 7);
        QCOMPARE(grid()->columnCount(), 7);
        QCOMPARE(test::gridText(grid()).first(), QStringLiteral("日|月|火|水|木|金|土"));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        QCOMPARE(foreground(0, 0), kRed);
        QCOMPARE(foreground(0, 3), kBlack);
        QCOMPARE(foreground(0, 6), kBlue);
        QCOMPARE(grid()->columnWidth(0), twipsToPixels(800, grid()->logicalDpiX()));
    }

    // 1 May 2010 is a Saturday: the 30th and 31st need a sixth week row.
    void aMonthStartingOnSaturdayUsesSixWeekRows()
    {
        const QStringList rows = test::gridText(grid());
        QCOMPARE(rows.mid(1),
                 (QStringList{"||||||1", "2|3|4|5|6|7|8", "9|10|11|12|13|14|15",
                              "16|17|18|19|20|21|22", "23|24|25|26|27|28|29", "30|31|||||"}));
        QCOMPARE(foreground(6, 0), kRed);   // Sunday the 30th
        QCOMPARE(foreground(6, 1), kBlack); // Monday the 31st
        QCOMPARE(foreground(1, 6), kBlue);  // Saturday the 1st
        // The stored days of May, the 8th and the 15th, are light green; every other cell white.
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const bool practice = (row == 2 || row == 3) && column == 6;
                QCOMPARE(background(row, column), practice ? kGreen : kWhite);
            }
        }
    }

    void clickingADayTwiceRestoresItsColour()
    {
        test::clickCell(grid(), 2, 1); // the 3rd
        QCOMPARE(background(2, 1), kGreen);
        test::clickCell(grid(), 2, 1);
        QCOMPARE(background(2, 1), kWhite);
        test::clickCell(grid(), 2, 6); // the 8th, a practice day
        QCOMPARE(background(2, 6), kWhite);
        test::clickCell(grid(), 2, 6);
        QCOMPARE(background(2, 6), kGreen);
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(practiceRows().size(), 4u);
    }

    void theHeaderAndEmptyCellsAreNoDays()
    {
        test::clickCell(grid(), 0, 2);
        test::clickCell(grid(), 1, 0);
        test::clickCell(grid(), 6, 5);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kNotADay, kNotADay, kNotADay}));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        QCOMPARE(background(1, 0), kWhite);
    }

    void storingReplacesTheShownMonthsDays()
    {
        test::clickCell(grid(), 2, 6); // the 8th off
        test::clickCell(grid(), 2, 1); // the 3rd on
        test::clickCell(grid(), 6, 1); // the 31st on
        store(true);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirm, kStored}));
        QCOMPARE(practiceRows(), (std::vector<std::string>{"10/04/10", "10/05/03", "10/05/15",
                                                           "10/05/31", "10/06/05"}));
    }

    void storingWithoutGreenCellsDeletesTheMonthsDaysOnly()
    {
        test::clickCell(grid(), 2, 6);
        test::clickCell(grid(), 3, 6);
        store(true);
        QCOMPARE(practiceRows(), (std::vector<std::string>{"10/04/10", "10/06/05"}));
    }

    void answeringNoStoresNothing()
    {
        test::clickCell(grid(), 2, 6);
        store(false);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirm}));
        QCOMPARE(practiceRows().size(), 4u);
    }

    // The marks are those of the month on show, whatever the combos were changed to since.
    void storingKeepsToTheMonthOnShow()
    {
        test::clickCell(grid(), 2, 1);
        year()->setEditText(QStringLiteral("11"));
        month()->setEditText(QStringLiteral("07"));
        store(true);
        QCOMPARE(practiceRows(), (std::vector<std::string>{"10/04/10", "10/05/03", "10/05/08",
                                                           "10/05/15", "10/06/05"}));
    }

    void previousAndNextMonthCrossTheYear()
    {
        showMonth(QStringLiteral("09"), QStringLiteral("01"));
        press(QStringLiteral("前月"));
        QCOMPARE(year()->currentText(), QStringLiteral("08"));
        QCOMPARE(month()->currentText(), QStringLiteral("12"));
        // 1 December 2008 is a Monday.
        QCOMPARE(test::gridText(grid()).at(1), QStringLiteral("|1|2|3|4|5|6"));

        press(QStringLiteral("次月"));
        press(QStringLiteral("次月"));
        QCOMPARE(year()->currentText(), QStringLiteral("09"));
        QCOMPARE(month()->currentText(), QStringLiteral("02"));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // Another month drops the marks not stored; coming back shows what is stored.
    void showingAnotherMonthDropsUnstoredMarks()
    {
        test::clickCell(grid(), 2, 1);
        press(QStringLiteral("次月"));
        QCOMPARE(background(1, 6), kGreen); // 5 June
        press(QStringLiteral("前月"));
        QCOMPARE(background(2, 1), kWhite);
    }

    void combosNamingNoMonthAreRefused()
    {
        test::clickCell(grid(), 2, 1);
        showMonth(QStringLiteral("10"), QStringLiteral("13"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{box("warning", "表示年月を正しく選択してください")}));
        QCOMPARE(background(2, 1), kGreen); // the calendar stays as it was
        showMonth(QStringLiteral("x"), QStringLiteral("05"));
        QCOMPARE(m_boxes->shown().size(), 2);
    }
};

QTEST_MAIN(PracticeScheduleScreenTest)
#include "PracticeScheduleScreenTest.moc"
