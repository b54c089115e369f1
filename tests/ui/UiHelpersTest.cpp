#include "common/ui/BusyCursor.h"
#include "common/ui/FieldCheck.h"
#include "common/ui/GridModelView.h"
#include "common/ui/ListGridView.h"
#include "common/ui/MessageBox.h"
#include "common/ui/SystemFonts.h"
#include "common/ui/Widgets.h"

#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace zoruka;
using ui::MessageBox;

class UiHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void scriptedMessageBoxesRecordWhatTheyShowAndAnswerInOrder()
    {
        MessageBox::Script script;
        script.answer(true);
        script.answer(false);

        MessageBox::warning(nullptr, QStringLiteral("画面A"), QStringLiteral("警告"));
        QVERIFY(MessageBox::askYesNo(nullptr, QStringLiteral("画面B"), QStringLiteral("一")));
        MessageBox::information(nullptr, QStringLiteral("画面B"), QStringLiteral("お知らせ"));
        QVERIFY(!MessageBox::askYesNo(nullptr, QStringLiteral("画面B"), QStringLiteral("二")));
        // Nothing queued: No, which abandons the action.
        QVERIFY(!MessageBox::askYesNo(nullptr, QStringLiteral("画面B"), QStringLiteral("三")));

        QCOMPARE(script.unusedAnswers(), 0);
        const QList<MessageBox::Shown>& shown = script.shown();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[0].icon, MessageBox::Icon::Warning);
        QCOMPARE(shown[0].title, QStringLiteral("画面A"));
        QCOMPARE(shown[0].text, QStringLiteral("警告"));
        QCOMPARE(shown[1].icon, MessageBox::Icon::Question);
        QCOMPARE(shown[2].icon, MessageBox::Icon::Information);
        QCOMPARE(shown[2].title, QStringLiteral("画面B"));
        QCOMPARE(shown[4].text, QStringLiteral("三"));
    }

    void aNewScriptStartsEmpty()
    {
        {
            MessageBox::Script script;
            script.answer(true);
            MessageBox::warning(nullptr, QStringLiteral("t"), QStringLiteral("x"));
        }
        MessageBox::Script script;
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(script.unusedAnswers(), 0);
    }

    void controlsCarryTheSystemsNames()
    {
        QWidget screen;
        QPushButton* button =
            ui::makeButton(&screen, QStringLiteral("B設定"), QStringLiteral("設定"));
        QComboBox* combo = ui::makeCombo(&screen, QStringLiteral("C試合数"));
        QTableWidget* grid = ui::makeGrid(&screen, QStringLiteral("Gゾルカ"));

        QCOMPARE(screen.findChild<QPushButton*>(QStringLiteral("B設定")), button);
        QCOMPARE(button->text(), QStringLiteral("設定"));
        QCOMPARE(screen.findChild<QComboBox*>(QStringLiteral("C試合数")), combo);
        QCOMPARE(screen.findChild<QTableWidget*>(QStringLiteral("Gゾルカ")), grid);
        QVERIFY(grid->horizontalHeader()->isHidden());
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    // Typed text stays text for the check to judge; it never becomes an item of the list.
    void aComboAcceptsTypedTextWithoutAddingIt()
    {
        QWidget screen;
        QComboBox* combo = ui::makeCombo(&screen, QStringLiteral("C参加人数"));
        ui::addNumberItems(combo, 0, 50);
        QCOMPARE(combo->currentText(), QString());

        QTest::keyClicks(combo, QStringLiteral("7x"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), QStringLiteral("7x"));
        QCOMPARE(combo->count(), 51);
    }

    void aCheckMarksFieldsRedOrBlackAndFocusesTheFirstFailure()
    {
        QWidget screen;
        QComboBox* a = ui::makeCombo(&screen, QStringLiteral("Ca"));
        QComboBox* b = ui::makeCombo(&screen, QStringLiteral("Cb"));
        QComboBox* c = ui::makeCombo(&screen, QStringLiteral("Cc"));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        QVERIFY(ui::FieldCheck::markAll({a, b, c}, {false, true, true}));
        QCOMPARE(ui::FieldCheck::textColour(a), QColor(0, 0, 0));
        QCOMPARE(ui::FieldCheck::textColour(b), QColor(255, 0, 0));
        QCOMPARE(b->lineEdit()->palette().color(QPalette::Active, QPalette::Text),
                 QColor(255, 0, 0));
        QCOMPARE(ui::FieldCheck::textColour(c), QColor(255, 0, 0));
        QCOMPARE(screen.focusWidget(), b);

        QVERIFY(!ui::FieldCheck::markAll({a, b, c}, {false, false, false}));
        QCOMPARE(ui::FieldCheck::textColour(b), QColor(0, 0, 0));
    }

    // A synthetic grid exercises what the four match-table kinds need of the view, beyond what
    // the doubles screen happens to produce.
    void aMatchGridBecomesTableCellsSpansAndWidths()
    {
        GridModel grid(4, 4);
        const char* texts[4][4] = {
            {"H", "X", "X", "X"}, {"", "a", "a", "r"}, {"", "b", "", "r"}, {"", "", "", "r"}};
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                grid.cell(row, column).text = texts[row][column];
            }
        }
        grid.cell(0, 0).header = true;
        grid.cell(1, 1).alignment = CellAlignment::LeftBottom;
        grid.columnTwips = {1440, 0, 0, 720};
        grid.mergedRows = {0, 2};
        grid.mergedColumns = {0, 3};

        QTableWidget table;
        table.setRowCount(9);
        table.setSpan(5, 0, 2, 2); // left over from an earlier grid
        ui::showGrid(&table, grid);

        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.columnCount(), 4);
        QCOMPARE(table.item(0, 2)->text(), QStringLiteral("X"));
        QVERIFY(table.horizontalHeader()->isHidden());
        // Merged row 0: the three "X" become one cell; row 1 is not a merged row.
        QCOMPARE(table.columnSpan(0, 1), 3);
        QCOMPARE(table.columnSpan(1, 1), 1);
        // Merged row 2 does not merge the empty neighbours.
        QCOMPARE(table.columnSpan(2, 2), 1);
        // Merged column 3: "r" runs down rows 1..3; empty cells of column 0 stay apart. Row 0 of
        // column 3 is already in a horizontal span and joins no vertical one.
        QCOMPARE(table.rowSpan(1, 3), 3);
        QCOMPARE(table.rowSpan(1, 0), 1);
        QCOMPARE(table.rowSpan(0, 3), 1);

        const double dpi = table.logicalDpiX();
        QCOMPARE(table.columnWidth(0), twipsToPixels(1440, dpi));
        QCOMPARE(table.columnWidth(1), table.horizontalHeader()->defaultSectionSize());
        QCOMPARE(table.columnWidth(3), twipsToPixels(720, dpi));

        QCOMPARE(table.item(0, 0)->background().color(), QColor(255, 255, 0));
        QCOMPARE(table.item(1, 1)->background().style(), Qt::NoBrush);
        QCOMPARE(Qt::Alignment(table.item(1, 1)->textAlignment()), Qt::AlignLeft | Qt::AlignBottom);
        // Fixed cells cannot be chosen; body cells can, but nothing can be edited.
        QVERIFY(!(table.item(0, 2)->flags() & Qt::ItemIsSelectable));
        QVERIFY(!(table.item(2, 0)->flags() & Qt::ItemIsSelectable));
        QVERIFY(table.item(2, 1)->flags() & Qt::ItemIsSelectable);
        QVERIFY(!(table.item(2, 1)->flags() & Qt::ItemIsEditable));
    }

    void aLongTextIsCutInItsColumnAndTheWindowFollowsTheGrid()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        ui::ListGridView list(&window, QStringLiteral("一覧"));
        layout->addWidget(list.table());
        window.resize(250, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto grid = [](const QString& note) {
            GridModel model(2, 2);
            model.cell(0, 0).text = "日付";
            model.cell(1, 0).text = "01";
            model.cell(1, 1).text = note.toStdString();
            model.columnTwips = {500, 2000};
            return model;
        };
        const int screen = window.screen()->availableGeometry().width();
        const double dpi = list.table()->logicalDpiX();

        const QString note = QString(1000, QChar(u'備'));
        list.show(grid(note));
        QCOMPARE(list.table()->item(1, 1)->text(), note);
        QCOMPARE(list.table()->item(1, 1)->toolTip(), note);
        QCOMPARE(list.table()->item(1, 0)->toolTip(), QString());
        QCOMPARE(list.table()->columnWidth(1), twipsToPixels(ui::kMaxColumnTwips, dpi));
        QVERIFY(window.width() > 250);
        QVERIFY(window.frameGeometry().width() <= screen);

        // Back to the width the window had once the long text is gone.
        list.show(grid(QStringLiteral("短い")));
        QCOMPARE(list.table()->columnWidth(1), twipsToPixels(2000, dpi));
        QCOMPARE(window.width(), 250);

        // A width the user chose stays while the grid fits it.
        window.resize(320, 300);
        list.show(grid(QStringLiteral("短い")));
        QCOMPARE(window.width(), 320);
    }

    void theBusyCursorIsTheHourglassWhileItLives()
    {
        QVERIFY(!QApplication::overrideCursor());
        {
            ui::BusyCursor busy;
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void theSystemsFontNamesDrawWithAnInstalledJapaneseFont()
    {
        const QString family = ui::fonts::japaneseFamily();
        if (family.isEmpty()) {
            QSKIP("no Japanese font installed");
        }
        QCOMPARE(QFontInfo(ui::fonts::font(ui::fonts::kPGothic, 9)).family(), family);
    }
};

QTEST_MAIN(UiHelpersTest)
#include "UiHelpersTest.moc"
