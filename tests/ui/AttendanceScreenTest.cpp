// The players' names on the match-table screens: today's attendance chosen on the attendance
// screen, stored under the day and offered again, numbered into each kind's groups, and the
// tables built over those numbers shown by name.
#include "ScreenTestSupport.h"

#include "common/StartupValues.h"
#include "common/ui/MessageBox.h"
#include "matchtable/ui/DoublesScreen.h"
#include "matchtable/ui/FixedPairScreen.h"
#include "matchtable/ui/MixedScreen.h"
#include "matchtable/ui/TeamScreen.h"
#include "registers/MemberRegister.h"
#include "registers/ui/AttendanceScreen.h"
#include "store/Database.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kLightRed(255, 0, 0);

// The register: reading order is the order of this list.
struct Registered {
    const char* name;
    const char* kana;
    const char* sex;
    bool excluded;
};
const Registered kMembers[] = {
    {"青木", "アオキ", "1", false},    {"伊藤", "イトウ", "2", false},
    {"上田", "ウエダ", "1", false},    {"江藤", "エトウ", "2", false},
    {"大野", "オオノ", "1", false},    {"加藤", "カトウ", "2", false},
    {"木村", "キムラ", "1", false},    {"久保", "クボ", "2", false},
    {"休会", "キュウカイ", "1", true},
};

QTreeWidget* listOf(QDialog* dialog)
{
    return dialog->findChild<QTreeWidget*>(QStringLiteral("L参加者"));
}

QTreeWidgetItem* rowNamed(QDialog* dialog, const QString& name)
{
    const auto found = listOf(dialog)->findItems(name, Qt::MatchExactly, 1);
    return found.isEmpty() ? nullptr : found.first();
}

void tick(QDialog* dialog, const QStringList& names)
{
    for (const QString& name : names) {
        rowNamed(dialog, name)->setCheckState(1, Qt::Checked);
    }
}

void press(QDialog* dialog, const QString& button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

// The rows as the list shows them: "番号 氏名", ticked ones marked "✓".
QStringList rows(QDialog* dialog)
{
    QStringList shown;
    QTreeWidget* list = listOf(dialog);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        shown << (row->checkState(1) == Qt::Checked ? QStringLiteral("✓") : QString()) +
                     row->text(0) + QLatin1Char(' ') + row->text(1);
    }
    return shown;
}

} // namespace

class AttendanceScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_start;
    std::unique_ptr<MessageBox::Script> m_boxes;

    // Presses "参加者" on `screen` and hands the attendance screen to `act`; returns the rows it
    // showed when it opened. The screen stays open when `act` leaves it open and is then closed.
    QStringList attend(QWidget* screen, const std::function<void(QDialog*)>& act)
    {
        if (!screen->isVisible()) {
            screen->show();
            [&] { QVERIFY(QTest::qWaitForWindowExposed(screen)); }();
        }
        QStringList opened;
        QTimer::singleShot(0, screen, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("c参加者v3"));
            opened = rows(dialog);
            act(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("B参加者")),
                          Qt::LeftButton);
        return opened;
    }

    static QString count(QWidget* screen, const QString& combo)
    {
        return screen->findChild<QComboBox*>(combo)->currentText();
    }

    static void build(QWidget* screen, const QString& courts, const QString& games)
    {
        screen->findChild<QComboBox*>(QStringLiteral("Cコート数"))->setEditText(courts);
        screen->findChild<QComboBox*>(QStringLiteral("C試合数"))->setEditText(games);
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("B設定")), Qt::LeftButton);
    }

    static QTableWidget* grid(QWidget* screen)
    {
        return screen->findChild<QTableWidget*>(QStringLiteral("Gゾルカ"));
    }

    QStringList warnings() const
    {
        QStringList texts;
        for (const MessageBox::Shown& shown : m_boxes->shown()) {
            texts << shown.title + QLatin1Char('|') + shown.text;
        }
        return texts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_start.isValid());
        QVERIFY(QDir::setCurrent(m_start.path()));
        const DatabaseLocation& location = DatabaseLocation::startFolder();
        Database::openOrCreate(location);
        for (const Registered& registered : kMembers) {
            Member member;
            member.name = registered.name;
            member.kana = registered.kana;
            member.sex = registered.sex;
            member.excluded = registered.excluded;
            MemberRegister(location).save(MemberRegister::check(member).member);
        }
        Database database = Database::open(location);
        TableCursor practice = database.table("練習予定");
        practice.editOrAddNew({"26", "04", "05"});
        practice.update();
    }

    void init()
    {
        m_boxes = std::make_unique<MessageBox::Script>();
        StartupValues::fix({2026, 4, 5});
        // Every test starts without a stored list.
        Database database = Database::open(DatabaseLocation::startFolder());
        TableCursor stored = database.table("参加者");
        stored.setIndex("Key_参加者");
        for (stored.seek(Seek::AtLeast, {"", "", "", ""}); !stored.eof(); stored.moveNext()) {
            stored.deleteRow();
        }
    }

    void cleanup()
    {
        m_boxes.reset();
        test::deleteTopLevelWindows();
    }

    // Tick, store under the practice day, reopen: the list comes back ticked and in order,
    // the table is built over its numbers and shown by name or by number.
    void doublesRoundTrip()
    {
        DoublesScreen screen;
        const QStringList first = attend(&screen, [](QDialog* dialog) {
            QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("L表示中"))
                        ->text()
                        .contains(QStringLiteral("参加する会員")));
            tick(dialog, {QStringLiteral("上田"), QStringLiteral("青木"), QStringLiteral("江藤"),
                          QStringLiteral("大野")});
            dialog->findChild<QLineEdit*>(QStringLiteral("ゲスト名"))
                ->setText(QStringLiteral("　ゲスト 花子 "));
            press(dialog, QStringLiteral("B追加"));
            // The guest moves up to number 2.
            for (int step = 0; step < 7; ++step) {
                press(dialog, QStringLiteral("B上へ"));
            }
            QCOMPARE(rows(dialog).mid(0, 6),
                     (QStringList{QStringLiteral("✓1 青木"), QStringLiteral("✓2 ゲスト 花子"),
                                  QStringLiteral(" 伊藤"), QStringLiteral("✓3 上田"),
                                  QStringLiteral("✓4 江藤"), QStringLiteral("✓5 大野")}));
            press(dialog, QStringLiteral("B決定"));
            QVERIFY(!dialog->isVisible());
        });
        // Active members only, in reading order; the inactive ones on request.
        QCOMPARE(first.size(), 8);
        attend(&screen, [](QDialog* dialog) {
            auto* inactive = dialog->findChild<QCheckBox*>(QStringLiteral("Chk無効会員"));
            inactive->setChecked(true);
            QCOMPARE(rows(dialog).last(), QStringLiteral(" 休会"));
            inactive->setChecked(false);
            QVERIFY(!rowNamed(dialog, QStringLiteral("休会")));
        });
        QVERIFY(!first.join(QString()).contains(QStringLiteral("休会")));
        QCOMPARE(warnings(), QStringList{});
        QCOMPARE(count(&screen, QStringLiteral("C参加人数")), QStringLiteral("5"));

        build(&screen, QStringLiteral("1"), QStringLiteral("2"));
        // Game 1 plays 1..4 and rests 5 (大野).
        QCOMPARE(test::gridText(grid(&screen)).at(2),
                 QStringLiteral("第1試合|青木・ゲスト 花子|上田・江藤|大野"));
        QTest::mouseClick(screen.findChild<QRadioButton*>(QStringLiteral("R番号")), Qt::LeftButton);
        QCOMPARE(test::gridText(grid(&screen)).at(2), QStringLiteral("第1試合|1-2|3-4|5"));

        // Reopened the same day, the list comes back as stored.
        const QStringList again = attend(&screen, [](QDialog* dialog) {
            QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("L表示中"))
                        ->text()
                        .contains(QStringLiteral("本日（26/04/05・練習日）")));
        });
        QCOMPARE(again.mid(0, 5),
                 (QStringList{QStringLiteral("✓1 青木"), QStringLiteral("✓2 ゲスト 花子"),
                              QStringLiteral("✓3 上田"), QStringLiteral("✓4 江藤"),
                              QStringLiteral("✓5 大野")}));

        // A later day offers the last list used.
        StartupValues::fix({2026, 4, 12});
        attend(&screen, [](QDialog* dialog) {
            QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("L表示中"))
                        ->text()
                        .contains(QStringLiteral("前回（26/04/05）")));
            QCOMPARE(rows(dialog).at(1), QStringLiteral("✓2 ゲスト 花子"));
        });
    }

    void mixedSplitsBySexAndAGuestChooses()
    {
        MixedScreen screen;
        attend(&screen, [](QDialog* dialog) {
            tick(dialog, {QStringLiteral("青木"), QStringLiteral("伊藤"), QStringLiteral("上田"),
                          QStringLiteral("江藤")});
            dialog->findChild<QLineEdit*>(QStringLiteral("ゲスト名"))
                ->setText(QStringLiteral("花子"));
            QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("Rゲスト女性")),
                              Qt::LeftButton);
            press(dialog, QStringLiteral("B追加"));
            // Men and women are numbered apart.
            QCOMPARE(rows(dialog).filter(QStringLiteral("✓")),
                     (QStringList{QStringLiteral("✓1 青木"), QStringLiteral("✓1 伊藤"),
                                  QStringLiteral("✓2 上田"), QStringLiteral("✓2 江藤"),
                                  QStringLiteral("✓3 花子")}));
            press(dialog, QStringLiteral("B決定"));
        });
        QCOMPARE(count(&screen, QStringLiteral("C男")), QStringLiteral("2"));
        QCOMPARE(count(&screen, QStringLiteral("C女")), QStringLiteral("3"));
        build(&screen, QStringLiteral("1"), QStringLiteral("1"));
        const QTableWidget* shown = grid(&screen);
        QCOMPARE(shown->item(3, 1)->text(), QStringLiteral("青木"));
        QCOMPARE(shown->item(3, 2)->text(), QStringLiteral("伊藤"));
        QCOMPARE(shown->item(3, 2)->foreground().color(), kLightRed);

        // The players' own sheets of the table, printed (into a PDF file without a printer).
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("B個人表")),
                          Qt::LeftButton);
        QCOMPARE(warnings().last(), QStringLiteral("Mixダブルスゾルカ|個人表は出力されました"));
    }

    void teamsAreDealtEvenlyAndPairsTwoByTwo()
    {
        TeamScreen team;
        attend(&team, [](QDialog* dialog) {
            tick(dialog, {QStringLiteral("青木"), QStringLiteral("伊藤"), QStringLiteral("上田"),
                          QStringLiteral("江藤"), QStringLiteral("大野")});
            // Unless every one has a team, there is no lineup.
            press(dialog, QStringLiteral("B決定"));
            QVERIFY(dialog->isVisible());
            press(dialog, QStringLiteral("B均等"));
            press(dialog, QStringLiteral("B決定"));
        });
        QCOMPARE(warnings(), QStringList{QStringLiteral(
                                 "参加者|チームが決まっていない参加者がいます（青木）")});
        QCOMPARE(count(&team, QStringLiteral("CAチーム人数")), QStringLiteral("3"));
        QCOMPARE(count(&team, QStringLiteral("CBチーム人数")), QStringLiteral("2"));

        FixedPairScreen fixed;
        attend(&fixed, [](QDialog* dialog) {
            tick(dialog, {QStringLiteral("加藤"), QStringLiteral("木村"), QStringLiteral("久保")});
            press(dialog, QStringLiteral("B均等"));
            // 青木 伊藤 | 上田 江藤 | 大野 加藤 | 木村 久保: A, B, A, B two by two.
            listOf(dialog)->setCurrentItem(rowNamed(dialog, QStringLiteral("上田")));
            rowNamed(dialog, QStringLiteral("上田"))->setSelected(true);
            press(dialog, QStringLiteral("BAチーム"));
            rowNamed(dialog, QStringLiteral("上田"))->setSelected(false);
            press(dialog, QStringLiteral("B決定"));
            QVERIFY(dialog->isVisible()); // team A now has five: no pairs
            rowNamed(dialog, QStringLiteral("上田"))->setSelected(true);
            press(dialog, QStringLiteral("BBチーム"));
            press(dialog, QStringLiteral("B決定"));
        });
        QCOMPARE(warnings().last(),
                 QStringLiteral("参加者|Aチームの人数が奇数のため、ペアを組めません"));
        QCOMPARE(count(&fixed, QStringLiteral("CAチーム人数")), QStringLiteral("2"));
        QCOMPARE(count(&fixed, QStringLiteral("CBチーム人数")), QStringLiteral("2"));
        build(&fixed, QStringLiteral("2"), QStringLiteral("1"));
        QCOMPARE(test::gridText(grid(&fixed)).at(2),
                 QStringLiteral("第1試合|青木・伊藤|上田・江藤|大野・加藤|木村・久保"));
    }

    void badListsAreRefusedAndTheScreenStays()
    {
        DoublesScreen screen;
        attend(&screen, [](QDialog* dialog) {
            for (int i = 0; i < listOf(dialog)->topLevelItemCount(); ++i) {
                listOf(dialog)->topLevelItem(i)->setCheckState(1, Qt::Unchecked);
            }
            press(dialog, QStringLiteral("B決定"));
            auto* guest = dialog->findChild<QLineEdit*>(QStringLiteral("ゲスト名"));
            press(dialog, QStringLiteral("B追加"));
            guest->setText(QStringLiteral("青木"));
            press(dialog, QStringLiteral("B追加"));
            guest->setText(QString(41, QLatin1Char('x')));
            press(dialog, QStringLiteral("B追加"));
            press(dialog, QStringLiteral("B決定"));
            listOf(dialog)->setCurrentItem(rowNamed(dialog, QStringLiteral("青木")));
            press(dialog, QStringLiteral("B削除"));
            QVERIFY(dialog->isVisible());
        });
        QCOMPARE(warnings(),
                 (QStringList{QStringLiteral("参加者|参加者が選ばれていません"),
                              QStringLiteral("参加者|ゲストの名前を入力してください"),
                              QStringLiteral("参加者|「青木」はすでに一覧にあります"),
                              QStringLiteral("参加者|参加者の1番の名前が長すぎます（40文字まで）"),
                              QStringLiteral("参加者|会員は一覧から削除できません、"
                                             "参加しない会員はチェックを外してください")}));
        QCOMPARE(count(&screen, QStringLiteral("C参加人数")), QString());
    }

    // A table of other counts than the lineup's is known by number, and says so.
    void otherCountsBuildByNumber()
    {
        DoublesScreen screen;
        attend(&screen, [](QDialog* dialog) {
            tick(dialog, {QStringLiteral("青木"), QStringLiteral("伊藤"), QStringLiteral("上田"),
                          QStringLiteral("江藤")});
            press(dialog, QStringLiteral("B決定"));
        });
        screen.findChild<QComboBox*>(QStringLiteral("C参加人数"))->setEditText(QStringLiteral("5"));
        build(&screen, QStringLiteral("1"), QStringLiteral("1"));
        QCOMPARE(test::gridText(grid(&screen)).at(2), QStringLiteral("第1試合|1-2|3-4|5"));
        QVERIFY(!screen.findChild<QRadioButton*>(QStringLiteral("R番号"))->isEnabled());
        QVERIFY(screen.findChild<QLabel*>(QStringLiteral("L参加者数"))
                    ->text()
                    .contains(QStringLiteral("番号で表示")));
    }
};

QTEST_MAIN(AttendanceScreenTest)
#include "AttendanceScreenTest.moc"
