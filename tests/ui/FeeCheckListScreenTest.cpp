#include "PrintedFiles.h"
#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "accounts/PracticeSchedule.h"
#include "accounts/ui/FeeCheckListScreen.h"
#include "registers/MemberRegister.h"

#include <QGroupBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>
#include <tuple>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QString box(const char* kind, const char* text)
{
    return QString::fromUtf8(kind) + QStringLiteral("|会費チェックリスト|") +
           QString::fromUtf8(text);
}

} // namespace

class FeeCheckListScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_start;
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<FeeCheckListScreen> m_screen;

    template <class Widget> Widget* find(const QString& name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(name);
        Q_ASSERT(widget);
        return widget;
    }
    QComboBox* year() const { return find<QComboBox>(QStringLiteral("C年")); }
    QComboBox* month() const { return find<QComboBox>(QStringLiteral("C月")); }
    QRadioButton* option(const char* name) const
    {
        return find<QRadioButton>(QString::fromUtf8(name));
    }

    // Prints the check-list of the month and returns the PDF file written, if any.
    QStringList print(const QString& yy, const QString& mm)
    {
        year()->setEditText(yy);
        month()->setEditText(mm);
        const test::PrintedFiles files(m_start.path());
        QTest::mouseClick(find<QPushButton>(QStringLiteral("B印刷")), Qt::LeftButton);
        return files.added();
    }

    static void skipWithPrinter()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer");
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_start.isValid());
        QVERIFY(QDir::setCurrent(m_start.path()));
    }

    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        Database::openOrCreate(m_folder->location());
        const MemberRegister members(m_folder->location());
        for (const auto& [name, kana, excluded] : {std::tuple{"山田太郎", "ヤマダタロウ", false},
                                                   std::tuple{"佐藤花子", "サトウハナコ", true}}) {
            Member member;
            member.name = name;
            member.kana = kana;
            member.order = "100";
            member.excluded = excluded;
            members.save(member);
        }
        storePracticeDays(m_folder->location(), {"10", "04", "01"}, {5, 12});

        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<FeeCheckListScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensWithReadingOrderAndEverybody()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("c会費集金v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("会費チェックリスト"));
        QCOMPARE(month()->itemText(0), QStringLiteral("01"));
        QVERIFY(option("Rアイ")->isChecked());
        QVERIFY(option("R全員")->isChecked());
        QCOMPARE(option("R出力順")->text(), QStringLiteral("登録出力順"));
        QCOMPARE(option("Rマーク")->text(), QStringLiteral("登録無効者マークして出力"));
        QCOMPARE(option("R無効者")->text(), QStringLiteral("登録無効者出力しない"));
        const auto* order = find<QGroupBox>(QStringLiteral("Frame3"));
        const auto* members = find<QGroupBox>(QStringLiteral("Frame2"));
        QCOMPARE(order->title(), QStringLiteral("出力順"));
        QCOMPARE(members->title(), QStringLiteral("会員出力"));
        QCOMPARE(option("Rアイ")->parentWidget(), order);
        QCOMPARE(option("R全員")->parentWidget(), members);
        QCOMPARE(find<QPushButton>(QStringLiteral("B終了"))->text(), QStringLiteral("終了"));
    }

    void printingWritesTheMonthsListIntoAPdfInTheStartFolder()
    {
        skipWithPrinter();
        option("Rマーク")->setChecked(true);
        const QStringList files = print(QStringLiteral("10"), QStringLiteral("04"));
        QCOMPARE(files.size(), 1);
        // No completion message follows the note where the sheets went.
        QCOMPARE(
            test::shownBoxes(*m_boxes),
            (QStringList{box("information", "プリンタがないため、PDFファイルに出力しました。\n") +
                         files.first()}));
        const QString text = test::PrintedFiles::text(files.first());
        if (text.isNull()) {
            QSKIP("pdftotext is not installed");
        }
        for (const char* shown :
             {"10年 04月　会費", "04月05日", "04月12日", "佐藤花子*", "山田太郎"}) {
            QVERIFY2(text.contains(test::PrintedFiles::normal(QString::fromUtf8(shown))), shown);
        }
        QVERIFY(text.indexOf(QStringLiteral("佐藤花子")) <
                text.indexOf(QStringLiteral("山田太郎")));
    }

    void inactiveMembersCanBeLeftOut()
    {
        skipWithPrinter();
        option("R無効者")->setChecked(true);
        option("R出力順")->setChecked(true);
        const QStringList files = print(QStringLiteral("10"), QStringLiteral("04"));
        QCOMPARE(files.size(), 1);
        const QString text = test::PrintedFiles::text(files.first());
        if (text.isNull()) {
            QSKIP("pdftotext is not installed");
        }
        QVERIFY(text.contains(QStringLiteral("山田太郎")));
        QVERIFY(!text.contains(QStringLiteral("佐藤花子")));
    }

    void aMonthWithoutPracticeDaysPrintsOnlyWhenConfirmed()
    {
        skipWithPrinter();
        const QString question = box("question", "練習日程がありません、名簿のみ出力しますか？");
        m_boxes->answer(false);
        QVERIFY(print(QStringLiteral("10"), QStringLiteral("05")).isEmpty());
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{question});

        m_boxes->clear();
        m_boxes->answer(true);
        QCOMPARE(print(QStringLiteral("10"), QStringLiteral("05")).size(), 1);
        QCOMPARE(test::shownBoxes(*m_boxes).first(), question);
    }

    void combosNamingNoMonthTurnRedAndPrintNothing()
    {
        QVERIFY(print(QStringLiteral("10"), QStringLiteral("13")).isEmpty());
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{box("warning", "年月を正しく選択して下さい")});
        QCOMPARE(test::fieldColour(year()), kRed);
        QCOMPARE(test::fieldColour(month()), kRed);

        skipWithPrinter();
        QCOMPARE(print(QStringLiteral("10"), QStringLiteral("4")).size(), 1);
        QCOMPARE(test::fieldColour(month()), kBlack);
    }
};

QTEST_MAIN(FeeCheckListScreenTest)
#include "FeeCheckListScreenTest.moc"
