#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/CashBookScreen.h"
#include "app/StartupRoutine.h"
#include "registers/ClubSettings.h"
#include "registers/MemberRegister.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

QString box(const char* kind, const char* title, const char* text)
{
    return QString::fromUtf8(kind) + QLatin1Char('|') + QString::fromUtf8(title) +
           QLatin1Char('|') + QString::fromUtf8(text);
}

QString cashBox(const char* kind, const char* text) { return box(kind, "出納記録", text); }
QString detailBox(const char* kind, const char* text) { return box(kind, "出納明細", text); }

const QString kConfirm = cashBox("question", "入力内容で更新します。");
const QString kSaved = cashBox("warning", "出納帳は登録（更新）されました。");

template <class Widget> Widget* child(const QWidget* parent, const char* name)
{
    Widget* widget = parent->findChild<Widget*>(QString::fromUtf8(name));
    Q_ASSERT(widget);
    return widget;
}

void click(const QWidget* parent, const char* button)
{
    QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
}

QStringList listed(const QListWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row) {
        names << list->item(row)->text();
    }
    return names;
}

void choose(QListWidget* list, const char* name)
{
    const QList<QListWidgetItem*> found =
        list->findItems(QString::fromUtf8(name), Qt::MatchExactly);
    Q_ASSERT(found.size() == 1);
    list->setCurrentItem(found.first());
}

} // namespace

class CashBookScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<CashBookScreen> m_screen;

    QLineEdit* field(const char* name) const { return child<QLineEdit>(m_screen.get(), name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(m_screen.get(), name); }
    QRadioButton* option(const char* name) const
    {
        return child<QRadioButton>(m_screen.get(), name);
    }
    QTableWidget* grid() const { return child<QTableWidget>(m_screen.get(), "出納"); }
    void press(const char* name, bool answer = true)
    {
        m_boxes->answer(answer);
        click(m_screen.get(), name);
    }

    QStringList shownRows() const
    {
        QStringList rows = test::gridText(grid());
        rows.removeAll(QStringLiteral("||||||"));
        return rows;
    }
    std::vector<std::string> cashRows() const
    {
        return test::rowsOf(*m_folder, "SELECT 出_年, 出_月, 出_日, 出_収支区分, 出_費目番号, "
                                       "出_金額, 出_備考 FROM 出納帳 ORDER BY 1, 2, 3, 4, 5");
    }
    std::vector<std::string> detailRows() const
    {
        return test::rowsOf(*m_folder, "SELECT 明_日, 明_収支区分, 明_費目番号, 明_氏名, 明_金額, "
                                       "明_備考 FROM 出納明細 ORDER BY 1, 2, 3, 4");
    }

    void enterEntry(const char* date, const char* kind, const char* item, const char* amount)
    {
        field("日付")->setText(QString::fromUtf8(date));
        QRadioButton* chosen = option(std::string_view(kind) == "1" ? "R収入" : "R支出");
        QTest::mouseClick(chosen, Qt::LeftButton);
        combo("C費目")->setCurrentText(QString::fromUtf8(item));
        field("金額")->setText(QString::fromUtf8(amount));
    }

    // Presses 明細入力 and hands the modal detail screen to `act`, which closes it. Returns
    // whether the screen opened.
    bool openDetail(const std::function<void(QDialog*)>& act)
    {
        bool opened = false;
        QTimer::singleShot(0, m_screen.get(), [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                act(dialog);
                if (dialog->isVisible()) {
                    dialog->reject();
                }
            }
        });
        click(m_screen.get(), "B明細");
        QCoreApplication::processEvents();
        return opened;
    }

private slots:
    void init()
    {
        StartupRoutine::run({2026, 4, 15});
        m_folder = std::make_unique<test::TempFolder>();
        {
            Database database = Database::openOrCreate(m_folder->location());
            test::enterItem(database, "1", "10200", "月会費");
            test::enterItem(database, "1", "10300", "参加費");
            test::enterItem(database, "2", "20100", "シャトル代");
            test::enterCash(database, "26/04/01", "1", "10100", "12345");
            test::enterCash(database, "26/04/10", "2", "20100", "4500");
            test::enterCash(database, "26/05/01", "1", "10200", "999");
            test::enterDetail(database, "26/04/10", "2", "20100", "山田太郎");
            test::enterDetail(database, "26/04/10", "1", "20100", "山田太郎");
        }
        MemberRegister members(m_folder->location());
        for (const auto& [name, kana, excluded] : {std::tuple{"山田太郎", "ヤマダタロウ", false},
                                                   {"佐藤花子", "サトウハナコ", true},
                                                   {"青木一郎", "アオキイチロウ", false}}) {
            Member member;
            member.name = name;
            member.kana = kana;
            member.excluded = excluded;
            members.save(MemberRegister::check(member).member);
        }
        club_settings::save(m_folder->location(), {"ゾルカ会", "3000", "500", "700", "1000"});

        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<CashBookScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensOnTodaysMonthWithItsRunningBalance()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("c出納記入v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("出納記入"));
        QCOMPARE(combo("C年")->currentText(), QStringLiteral("26"));
        QCOMPARE(combo("C年")->itemText(0), QStringLiteral("08"));
        QCOMPARE(combo("C月")->count(), 12);
        QCOMPARE(combo("C日")->count(), 31);
        QCOMPARE(combo("C日")->currentText(), QStringLiteral("15"));
        QCOMPARE(field("日付")->text(), QStringLiteral("26/04/15"));
        QVERIFY(option("R収入")->isChecked());
        QCOMPARE(option("R収入")->parentWidget()->objectName(), QStringLiteral("Frame1"));
        QCOMPARE(combo("C費目")->count(), 3);
        QCOMPARE(combo("C費目")->itemText(0), QStringLiteral("前月繰越"));

        QCOMPARE(grid()->rowCount(), 100);
        QCOMPARE(shownRows(), (QStringList{"日付|費目ｺｰﾄﾞ|費目|収入|支出|残高|備考",
                                           "01|10100|前月繰越|12,345||12,345|",
                                           "10|20100|シャトル代||4,500|7,845|"}));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        QCOMPARE(grid()->item(1, 3)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(grid()->item(2, 5)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void showingAnotherMonthNeedsADate()
    {
        combo("C月")->setCurrentText(QStringLiteral("05"));
        combo("C日")->setCurrentText(QStringLiteral("31"));
        click(m_screen.get(), "B表示");
        QCOMPARE(field("日付")->text(), QStringLiteral("26/05/31"));
        QCOMPARE(shownRows().size(), 2);
        QCOMPARE(grid()->item(1, 2)->text(), QStringLiteral("月会費"));

        combo("C月")->setCurrentText(QStringLiteral("06"));
        click(m_screen.get(), "B表示");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{cashBox("warning", "日付を正しく選択して下さい")});
        QCOMPARE(test::fieldColour(combo("C年")), kRed);
        QCOMPARE(test::fieldColour(combo("C日")), kRed);
        QCOMPARE(grid()->item(1, 2)->text(), QStringLiteral("月会費"));
    }

    void storingAddsAnEntryAndThenReplacesIt()
    {
        enterEntry("2026/4/20", "2", "シャトル代", "3,000");
        field("備考")->setText(QStringLiteral("12ダース"));
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirm, kSaved}));
        QCOMPARE(field("日付")->text(), QStringLiteral("2026/4/20"));
        QCOMPARE(cashRows()[2], std::string("26|04|20|2|20100|3000|12ダース"));
        QCOMPARE(shownRows().last(), QStringLiteral("20|20100|シャトル代||3,000|4,845|12ダース"));

        field("金額")->setText(QStringLiteral("3500"));
        field("備考")->clear();
        press("B確定");
        QCOMPARE(cashRows().size(), std::size_t{4});
        QCOMPARE(cashRows()[2], std::string("26|04|20|2|20100|3500|"));

        // No abandons the store.
        field("金額")->setText(QStringLiteral("1"));
        press("B確定", false);
        QCOMPARE(cashRows()[2], std::string("26|04|20|2|20100|3500|"));
    }

    void wrongFieldsAreRedAndNothingIsStored()
    {
        enterEntry("26/02/30", "1", "シャトル代", "abc");
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{cashBox("warning", "正しい日付を入力してください")});
        QCOMPARE(test::fieldColour(field("日付")), kRed);
        QCOMPARE(test::fieldColour(combo("C費目")), kRed);
        QCOMPARE(test::fieldColour(field("金額")), kRed);
        QCOMPARE(m_screen->focusWidget(), field("日付"));
        QCOMPARE(m_boxes->unusedAnswers(), 1);
        QCOMPARE(cashRows().size(), std::size_t{3});

        m_boxes->clear();
        enterEntry("26/04/30", "1", "参加費", "");
        press("B確定");
        QCOMPARE(field("金額")->text(), QStringLiteral("0"));
        QCOMPARE(test::fieldColour(field("日付")), kBlack);
        QCOMPARE(cashRows()[2], std::string("26|04|30|1|10300|0|"));
    }

    void leavingAFieldChecksIt()
    {
        field("日付")->setText(QStringLiteral("26/4/5"));
        test::leave(field("日付"));
        QCOMPARE(field("日付")->text(), QStringLiteral("26/04/05"));
        QCOMPARE(test::fieldColour(field("日付")), kBlack);
        field("金額")->setText(QStringLiteral("1.5"));
        test::leave(field("金額"));
        QCOMPARE(test::fieldColour(field("金額")), kRed);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void pickingARowLoadsTheEntry()
    {
        test::clickCell(grid(), 2, 4);
        QVERIFY(option("R支出")->isChecked());
        QCOMPARE(field("日付")->text(), QStringLiteral("26/04/10"));
        QCOMPARE(combo("C費目")->currentText(), QStringLiteral("シャトル代"));
        QCOMPARE(combo("C費目")->itemText(0), QStringLiteral("シャトル代"));
        QCOMPARE(field("金額")->text(), QStringLiteral("4500"));
        QCOMPARE(test::rowColour(grid(), 2), kGreen);

        test::clickCell(grid(), 1, 0);
        QVERIFY(option("R収入")->isChecked());
        QCOMPARE(combo("C費目")->currentText(), QStringLiteral("前月繰越"));
        QCOMPARE(field("金額")->text(), QStringLiteral("12345"));
        QCOMPARE(test::rowColour(grid(), 1), kGreen);
        QCOMPARE(test::rowColour(grid(), 2), kWhite);
        QVERIFY(m_boxes->shown().isEmpty());

        test::clickCell(grid(), 3, 0);
        test::clickCell(grid(), 0, 2);
        const QString outOfRange = cashBox("warning", "指示位置が有効範囲外です。");
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{outOfRange, outOfRange}));
    }

    void correctingAPickedEntryMovesItWithItsDetail()
    {
        const QString askMove = cashBox("question", "選択した出納記録の日付・収支区分・費目が"
                                                    "変更されています、明細と共に移動しますか？");
        test::clickCell(grid(), 2, 0);
        field("日付")->setText(QStringLiteral("26/04/12"));
        press("B確定", false);
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{askMove});
        QCOMPARE(cashRows()[1], std::string("26|04|10|2|20100|4500|"));

        m_boxes->clear();
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{askMove, cashBox("warning", "出納記録と明細は移動されました。")}));
        QCOMPARE(cashRows(),
                 (std::vector<std::string>{"26|04|01|1|10100|12345|", "26|04|12|2|20100|4500|",
                                           "26|05|01|1|10200|999|"}));
        QCOMPARE(detailRows(), (std::vector<std::string>{"10|1|20100|山田太郎|500|",
                                                         "12|2|20100|山田太郎|500|"}));
        QCOMPARE(shownRows().last(), QStringLiteral("12|20100|シャトル代||4,500|7,845|"));

        // Onto an entry that exists: refused before asking, nothing changes.
        m_boxes->clear();
        enterEntry("26/04/01", "1", "前月繰越", "4500");
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{cashBox("warning", "移動先の日付・収支区分・費目の出納記録が"
                                                "既に登録されています、確認して下さい")});
        QCOMPARE(m_boxes->unusedAnswers(), 1);
        QCOMPARE(cashRows()[0], std::string("26|04|01|1|10100|12345|"));
        QCOMPARE(cashRows().size(), std::size_t{3});

        // After クリア the fields make a new entry, stored as ever.
        m_boxes->clear();
        click(m_screen.get(), "Bクリア");
        enterEntry("26/04/13", "2", "シャトル代", "100");
        press("B確定");
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirm, kSaved}));
        QCOMPARE(cashRows().size(), std::size_t{4});
    }

    void aLongNoteNeverWidensTheWindowPastTheScreen()
    {
        const int before = m_screen->width();
        const QString note(1000, QChar(u'備'));
        enterEntry("26/04/20", "2", "シャトル代", "100");
        field("備考")->setText(note);
        press("B確定");
        const QTableWidgetItem* cell = grid()->item(3, 6);
        QCOMPARE(cell->text(), note);
        QCOMPARE(cell->toolTip(), note);
        const QRect screen = m_screen->screen()->availableGeometry();
        QVERIFY(m_screen->frameGeometry().width() <= screen.width());
        QVERIFY(grid()->width() < m_screen->width());

        // With the note gone the window is as wide as it was.
        press("B削除");
        QCOMPARE(shownRows().size(), 3);
        QCOMPARE(m_screen->width(), before);
    }

    void deletingTakesTheEntryWithItsDetail()
    {
        test::clickCell(grid(), 2, 0);
        press("B削除");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{cashBox("question", "出納記録と明細あれば明細を同時に削除します。"),
                              cashBox("warning", "出納記録と明細は削除されました。")}));
        QCOMPARE(cashRows().size(), std::size_t{2});
        QCOMPARE(detailRows(), std::vector<std::string>{"10|1|20100|山田太郎|500|"});
        QCOMPARE(shownRows().size(), 2);

        m_boxes->clear();
        press("B削除");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{cashBox("question", "出納記録と明細あれば明細を同時に削除します。"),
                              cashBox("warning", "選択した出納記録が取り出せません、"
                                                 "会員名を確認して下さい")}));
    }

    void clearStartsANewIncomeEntry()
    {
        test::clickCell(grid(), 2, 0);
        click(m_screen.get(), "Bクリア");
        QCOMPARE(field("日付")->text(), QString());
        QCOMPARE(combo("C費目")->currentText(), QString());
        QCOMPARE(field("金額")->text(), QStringLiteral("0"));
        QCOMPARE(field("備考")->text(), QString());
        QVERIFY(option("R収入")->isChecked());
        QCOMPARE(combo("C費目")->itemText(0), QStringLiteral("前月繰越"));

        // The entry that follows is an income entry of an income item.
        enterEntry("26/04/20", "1", "月会費", "6000");
        press("B確定");
        QCOMPARE(cashRows()[2], std::string("26|04|20|1|10200|6000|"));
    }

    void theDetailHandsBackItsTotalAndNote()
    {
        enterEntry("26/04/18", "1", "月会費", "");
        const bool opened = openDetail([this](QDialog* detail) {
            QCOMPARE(detail->objectName(), QStringLiteral("c出納明細v3"));
            QCOMPARE(detail->windowTitle(), QStringLiteral("出納明細"));
            QCOMPARE(child<QLineEdit>(detail, "日付")->text(), QStringLiteral("26/04/18"));
            QCOMPARE(child<QLineEdit>(detail, "収支区分")->text(), QStringLiteral("収入"));
            QCOMPARE(child<QLineEdit>(detail, "費目")->text(), QStringLiteral("月会費"));
            auto* members = child<QListWidget>(detail, "L会員名簿");
            auto* payers = child<QListWidget>(detail, "L納入者");
            QCOMPARE(listed(members), (QStringList{"青木一郎", "佐藤花子", "山田太郎"}));
            auto* fee = child<QComboBox>(detail, "C会費");
            QCOMPARE(fee->count(), 4);
            QCOMPARE(fee->itemText(0), QStringLiteral("3000"));

            // Nothing chosen yet: nothing is added.
            click(detail, "B追加");
            QCOMPARE(payers->count(), 0);

            fee->setCurrentIndex(0);
            choose(members, "山田太郎");
            click(detail, "B追加");
            click(detail, "B追加");
            choose(members, "佐藤花子");
            click(detail, "B追加");
            QCOMPARE(listed(payers), (QStringList{"山田太郎", "佐藤花子"}));
            QCOMPARE(child<QLineEdit>(detail, "人数")->text(), QStringLiteral("2"));
            QCOMPARE(child<QLineEdit>(detail, "金額")->text(), QStringLiteral("6,000"));

            // Twelve at 3,000 make 36,000, beyond what sixteen bits hold.
            child<QLineEdit>(detail, "人数")->setText(QStringLiteral("12"));
            child<QLineEdit>(detail, "備考")->setText(QStringLiteral("4月分"));
            m_boxes->answer(true);
            click(detail, "B確定");
            QCOMPARE(child<QLineEdit>(detail, "金額")->text(), QStringLiteral("36,000"));
            click(detail, "B終了");
        });
        QVERIFY(opened);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{detailBox("question", "入力内容で更新します。"),
                              detailBox("warning", "出納明細は登録（更新）されました。")}));
        QCOMPARE(field("金額")->text(), QStringLiteral("36000"));
        QCOMPARE(field("備考")->text(), QStringLiteral("月会費  12名"));
        QCOMPARE(detailRows(),
                 (std::vector<std::string>{"10|1|20100|山田太郎|500|", "10|2|20100|山田太郎|500|",
                                           "18|1|10200|佐藤花子|3000|4月分",
                                           "18|1|10200|山田太郎|3000|4月分"}));
        // The cash-book entry itself waits for 確定.
        QCOMPARE(cashRows().size(), std::size_t{3});
        press("B確定");
        QCOMPARE(cashRows()[2], std::string("26|04|18|1|10200|36000|月会費  12名"));
    }

    void theDetailTakesManyPayersAtOnce()
    {
        club_settings::save(m_folder->location(), {"ゾルカ会", "3000", "0", "3000", "500"});
        {
            Database database = Database::open(m_folder->location());
            test::enterDetail(database, "26/03/20", "1", "10200", "佐藤花子");
            test::enterDetail(database, "26/03/05", "1", "10200", "山田太郎");
            test::enterDetail(database, "26/03/05", "1", "10300", "青木一郎");
        }
        enterEntry("26/04/18", "1", "月会費", "");
        const bool opened = openDetail([this](QDialog* detail) {
            auto* fee = child<QComboBox>(detail, "C会費");
            QCOMPARE(fee->count(), 2);
            QCOMPARE(fee->itemText(1), QStringLiteral("500"));
            fee->setCurrentIndex(0);
            auto* members = child<QListWidget>(detail, "L会員名簿");
            auto* payers = child<QListWidget>(detail, "L納入者");

            // Last month's payers of the same item, then every active member not listed yet.
            click(detail, "B前月");
            QCOMPARE(listed(payers), (QStringList{"山田太郎", "佐藤花子"}));
            click(detail, "B全員");
            QCOMPARE(listed(payers), (QStringList{"山田太郎", "佐藤花子", "青木一郎"}));

            // Several chosen names move either way at once.
            payers->item(0)->setSelected(true);
            payers->item(2)->setSelected(true);
            click(detail, "B削除");
            QCOMPARE(listed(payers), QStringList{"佐藤花子"});
            members->selectAll();
            click(detail, "B追加");
            QCOMPARE(listed(payers), (QStringList{"佐藤花子", "青木一郎", "山田太郎"}));
            QCOMPARE(child<QLineEdit>(detail, "人数")->text(), QStringLiteral("3"));
            QCOMPARE(child<QLineEdit>(detail, "金額")->text(), QStringLiteral("9,000"));
            m_boxes->answer(true);
            click(detail, "B確定");
            click(detail, "B終了");
        });
        QVERIFY(opened);
        QCOMPARE(field("金額")->text(), QStringLiteral("9000"));
        QCOMPARE(detailRows(), (std::vector<std::string>{
                                   "05|1|10200|山田太郎|500|", "05|1|10300|青木一郎|500|",
                                   "10|1|20100|山田太郎|500|", "10|2|20100|山田太郎|500|",
                                   "18|1|10200|佐藤花子|3000|", "18|1|10200|山田太郎|3000|",
                                   "18|1|10200|青木一郎|3000|", "20|1|10200|佐藤花子|500|"}));
    }

    void theDetailListsTheStoredPayersAndClosingItKeepsTheFields()
    {
        test::clickCell(grid(), 2, 0);
        field("備考")->setText(QStringLiteral("手書き"));
        const bool opened = openDetail([this](QDialog* detail) {
            QCOMPARE(listed(child<QListWidget>(detail, "L納入者")), QStringList{"山田太郎"});
            QCOMPARE(child<QLineEdit>(detail, "人数")->text(), QStringLiteral("1"));
            QCOMPARE(child<QLineEdit>(detail, "金額")->text(), QStringLiteral("500"));
            QCOMPARE(child<QComboBox>(detail, "C会費")->currentText(), QStringLiteral("500"));

            auto* payers = child<QListWidget>(detail, "L納入者");
            payers->setCurrentRow(0);
            click(detail, "B削除");
            QCOMPARE(payers->count(), 0);
            QCOMPARE(child<QLineEdit>(detail, "人数")->text(), QStringLiteral("0"));
            m_boxes->answer(true);
            click(detail, "B確定");
            click(detail, "B終了");
        });
        QVERIFY(opened);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{detailBox("warning", "金額=0 は更新しません")});
        QCOMPARE(field("金額")->text(), QStringLiteral("4500"));
        QCOMPARE(field("備考")->text(), QStringLiteral("手書き"));
        QCOMPARE(detailRows().size(), std::size_t{2});
    }

    void aMissingFileIsReportedOnceAndNeverCreated()
    {
        test::TempFolder empty;
        CashBookScreen screen(empty.location());
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().title, QStringLiteral("出納記録"));
        QCOMPARE(test::gridText(child<QTableWidget>(&screen, "出納")).value(1),
                 QStringLiteral("||||||"));

        child<QLineEdit>(&screen, "金額")->setText(QStringLiteral("100"));
        m_boxes->answer(true);
        click(&screen, "B確定");
        QCOMPARE(m_boxes->shown().size(), 2);
        QCOMPARE(m_boxes->shown().last().icon, MessageBox::Icon::Warning);
        QVERIFY(!std::filesystem::exists(empty.databaseFile()));
    }

    void theDetailNeedsADateAndAnItem()
    {
        enterEntry("26/04/18", "1", "", "");
        const bool opened = openDetail([](QDialog*) {});
        QVERIFY(!opened);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{cashBox("warning", "正しい費目を選択してください")});
        QCOMPARE(test::fieldColour(combo("C費目")), kRed);
    }
};

QTEST_MAIN(CashBookScreenTest)
#include "CashBookScreenTest.moc"
