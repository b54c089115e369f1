#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "common/GridModel.h"
#include "registers/ui/ExpenseItemScreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

QString box(const char* kind, const char* text)
{
    return QString::fromUtf8(kind) + QStringLiteral("|費目マスター登録|") + QString::fromUtf8(text);
}

const QString kConfirmSave = box("question", "入力内容で更新します。");
const QString kSaved = box("warning", "費目マスタは更新(登録)されました。");
const QString kConfirmDelete = box("question", "表示内容を削除します。");
const QString kDeleted = box("warning", "表示内容は削除されました。");

} // namespace

class ExpenseItemScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<ExpenseItemScreen> m_screen;

    template <class Widget> Widget* find(const QString& name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(name);
        Q_ASSERT(widget);
        return widget;
    }
    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }
    QTableWidget* grid() const { return find<QTableWidget>(QStringLiteral("費目一覧")); }
    void press(const QString& name, bool answer)
    {
        m_boxes->answer(answer);
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
    void click(const QString& name)
    {
        QTest::mouseClick(option(name), Qt::LeftButton, {}, QPoint(4, option(name)->height() / 2));
    }

    // The filled rows of the list.
    QStringList listed() const
    {
        QStringList rows = test::gridText(grid());
        rows.removeAll(QStringLiteral("|||"));
        return rows;
    }

    QStringList fieldTexts() const
    {
        return {field(QStringLiteral("費目番号"))->text(),
                field(QStringLiteral("費目名称"))->text(),
                field(QStringLiteral("費目略称"))->text(), field(QStringLiteral("備考"))->text()};
    }

    void enter(const QString& code, const QString& name, const QString& shortName = {},
               const QString& remark = {})
    {
        field(QStringLiteral("費目番号"))->setText(code);
        field(QStringLiteral("費目名称"))->setText(name);
        field(QStringLiteral("費目略称"))->setText(shortName);
        field(QStringLiteral("備考"))->setText(remark);
    }

    std::vector<std::string> itemRows() const
    {
        return test::rowsOf(*m_folder, "SELECT * FROM 費目 ORDER BY 1, 2");
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        {
            Database database = Database::openOrCreate(m_folder->location());
            test::enterItem(database, "1", "10200", "月会費", "月");
            test::enterItem(database, "2", "20100", "シャトル代", "羽");
            test::enterItem(database, "1", "10300", "参加費", "参");
            test::enterCash(database, "26/04/05", "2", "20100", "1200");
        }
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<ExpenseItemScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensListingEveryItem()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("b費目登録v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("費目登録"));
        QCOMPARE(find<QGroupBox>(QStringLiteral("Frame2"))->title(), QStringLiteral("表示区分"));
        QVERIFY(find<QGroupBox>(QStringLiteral("Frame1")));
        QVERIFY(option(QStringLiteral("H全て"))->isChecked());
        QVERIFY(option(QStringLiteral("R収入"))->isChecked());
        for (const auto& [name, caption] :
             {std::pair{"H全て", "全て"}, std::pair{"H収入", "収入"}, std::pair{"H支出", "支出"},
              std::pair{"R収入", "収入"}, std::pair{"R支出", "支出"}}) {
            QCOMPARE(option(QString::fromUtf8(name))->text(), QString::fromUtf8(caption));
        }
        for (const auto& [name, caption] :
             {std::pair{"Label1", "費目一覧"}, std::pair{"Label2", "費目略称"},
              std::pair{"Label3", "収支区分"}, std::pair{"Label4", "費目番号"},
              std::pair{"Label5", "備考"}, std::pair{"Label6", "費目名称"}}) {
            QCOMPARE(find<QLabel>(QString::fromUtf8(name))->text(), QString::fromUtf8(caption));
        }
        for (const auto& [name, caption] :
             {std::pair{"B確定", "確定"}, std::pair{"削除", "削除"}, std::pair{"終了", "終了"}}) {
            QCOMPARE(find<QPushButton>(QString::fromUtf8(name))->text(),
                     QString::fromUtf8(caption));
        }

        QCOMPARE(grid()->rowCount(), 50);
        QCOMPARE(grid()->columnCount(), 4);
        QCOMPARE(listed(), (QStringList{"区分|NO|名称|略称", "収入|10100|前月繰越|",
                                        "収入|10200|月会費|月", "収入|10300|参加費|参",
                                        "支出|20100|シャトル代|羽", "支出|20900|次月繰越|"}));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        const double dpi = grid()->logicalDpiX();
        QCOMPARE(grid()->columnWidth(2), twipsToPixels(3500, dpi));
        QCOMPARE(grid()->columnWidth(3), twipsToPixels(1500, dpi));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // 収入 lists income items only and sets the direction; 支出 starts at the first expense item.
    void theFilterButtonsListOneDirectionAndSetIt()
    {
        click(QStringLiteral("H支出"));
        QCOMPARE(listed(), (QStringList{"区分|NO|名称|略称", "支出|20100|シャトル代|羽",
                                        "支出|20900|次月繰越|"}));
        QVERIFY(option(QStringLiteral("R支出"))->isChecked());

        click(QStringLiteral("H収入"));
        QCOMPARE(listed(), (QStringList{"区分|NO|名称|略称", "収入|10100|前月繰越|",
                                        "収入|10200|月会費|月", "収入|10300|参加費|参"}));
        QVERIFY(option(QStringLiteral("R収入"))->isChecked());

        click(QStringLiteral("H全て"));
        QCOMPARE(listed().size(), 6);
    }

    void clickingARowLoadsTheItemAndMovesTheHighlight()
    {
        test::clickCell(grid(), 4, 2);
        QVERIFY(option(QStringLiteral("R支出"))->isChecked());
        QCOMPARE(fieldTexts(), (QStringList{"20100", "シャトル代", "羽", ""}));
        QCOMPARE(test::rowColour(grid(), 4), kGreen);

        // A row whose short name is empty is still an item.
        test::clickCell(grid(), 1, 3);
        QVERIFY(option(QStringLiteral("R収入"))->isChecked());
        QCOMPARE(fieldTexts(), (QStringList{"10100", "前月繰越", "", ""}));
        QCOMPARE(test::rowColour(grid(), 1), kGreen);
        QCOMPARE(test::rowColour(grid(), 4), kWhite);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void clickingOutsideTheListIsOutOfRange()
    {
        test::clickCell(grid(), 2, 1);
        test::clickCell(grid(), 10, 1);
        test::clickCell(grid(), 0, 1);
        const QString outOfRange = box("warning", "指示位置が有効範囲外です。");
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{outOfRange, outOfRange}));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        QCOMPARE(test::rowColour(grid(), 2), kGreen);
        QCOMPARE(fieldTexts(), (QStringList{"10200", "月会費", "月", ""}));
    }

    void anItemDeletedMeanwhileIsReported()
    {
        Database database = Database::open(m_folder->location());
        TableCursor row = database.table("費目");
        row.setIndex("Key_費目");
        row.seek(Seek::Equal, {"1", "10300"});
        row.deleteRow();
        test::clickCell(grid(), 3, 0);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", "指定された名称は登録されていません。")});
    }

    void savingWithBothFieldsEmptyNamesTheCodeAndMarksBoth()
    {
        press(QStringLiteral("B確定"), true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", "費目番号を入力してください")});
        QCOMPARE(test::fieldColour(field(QStringLiteral("費目番号"))), kRed);
        QCOMPARE(test::fieldColour(field(QStringLiteral("費目名称"))), kRed);
        QCOMPARE(m_screen->focusWidget(), field(QStringLiteral("費目番号")));

        m_boxes->clear();
        click(QStringLiteral("H支出"));
        enter(QStringLiteral("20900"), QStringLiteral("繰越"));
        press(QStringLiteral("B確定"), true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", "繰越金に関する更新は出来ません")});
        QCOMPARE(test::fieldColour(field(QStringLiteral("費目名称"))), kBlack);
        QCOMPARE(itemRows().size(), std::size_t{5});
    }

    void savingANewItemAddsItAndRefreshesTheList()
    {
        click(QStringLiteral("H支出"));
        enter(QStringLiteral("20200"), QStringLiteral("ボール代 \"特\""), QStringLiteral("球"),
              QStringLiteral("'); DROP TABLE 費目; --"));
        press(QStringLiteral("B確定"), true);

        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmSave, kSaved}));
        QCOMPARE(itemRows()[4], std::string("2|20200|ボール代 \"特\"|球|'); DROP TABLE 費目; --"));
        QCOMPARE(listed(), (QStringList{"区分|NO|名称|略称", "支出|20100|シャトル代|羽",
                                        "支出|20200|ボール代 \"特\"|球", "支出|20900|次月繰越|"}));
        QCOMPARE(fieldTexts(), (QStringList{"", "", "", ""}));
    }

    void savingAnExistingItemEditsIt()
    {
        test::clickCell(grid(), 3, 1);
        field(QStringLiteral("費目名称"))->setText(QStringLiteral("参加費（一般）"));
        press(QStringLiteral("B確定"), true);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmSave, kSaved}));
        QCOMPARE(itemRows().size(), std::size_t{5});
        QCOMPARE(itemRows()[2], std::string("1|10300|参加費（一般）|参|"));
        QVERIFY(test::rowColour(grid(), 3) != kGreen);
    }

    void aNameTakenInTheDirectionIsRefused()
    {
        enter(QStringLiteral("10400"), QStringLiteral("月会費"));
        press(QStringLiteral("B確定"), true);
        QCOMPARE(
            test::shownBoxes(*m_boxes),
            QStringList{box("warning",
                            "同じ収支区分に同じ名称の費目があります、別の名称を入力してください")});
        QCOMPARE(test::fieldColour(field(QStringLiteral("費目名称"))), kRed);
        QCOMPARE(itemRows().size(), std::size_t{5});
    }

    void answeringNoChangesNothing()
    {
        enter(QStringLiteral("10400"), QStringLiteral("寄付"));
        press(QStringLiteral("B確定"), false);
        test::clickCell(grid(), 2, 0);
        press(QStringLiteral("削除"), false);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmSave, kConfirmDelete}));
        QCOMPARE(itemRows().size(), std::size_t{5});
    }

    void deletingTheShownItemRemovesIt()
    {
        test::clickCell(grid(), 3, 0);
        press(QStringLiteral("削除"), true);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmDelete, kDeleted}));
        QCOMPARE(listed().size(), 5);
        QVERIFY(!listed().contains(QStringLiteral("収入|10300|参加費|参")));

        m_boxes->clear();
        enter(QStringLiteral("10300"), QString());
        press(QStringLiteral("削除"), true);
        QCOMPARE(
            test::shownBoxes(*m_boxes),
            (QStringList{kConfirmDelete, box("warning", "指定された費目は登録されていません。")}));
    }

    void itemsInUseAndCarryForwardItemsAreKept()
    {
        test::clickCell(grid(), 4, 0);
        press(QStringLiteral("削除"), true);
        test::clickCell(grid(), 1, 0);
        press(QStringLiteral("削除"), true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{kConfirmDelete,
                              box("warning", "出納帳で使用されている費目のため削除できません、"
                                             "出納記録を確認してください"),
                              kConfirmDelete, box("warning", "繰越金に関する更新は出来ません")}));
        QCOMPARE(itemRows().size(), std::size_t{5});
    }

    void aReadOnlyFileIsReportedOnSave()
    {
        std::filesystem::permissions(m_folder->databaseFile(), std::filesystem::perms::owner_read);
        enter(QStringLiteral("10400"), QStringLiteral("寄付"));
        press(QStringLiteral("B確定"), true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{kConfirmSave, box("warning", "データベースファイル「ゾルカv3.mdb」は"
                                                           "読み取り専用のため書き込めません。")}));
        QCOMPARE(itemRows().size(), std::size_t{5});
        QCOMPARE(fieldTexts(), (QStringList{"10400", "寄付", "", ""}));
    }
};

QTEST_MAIN(ExpenseItemScreenTest)
#include "ExpenseItemScreenTest.moc"
