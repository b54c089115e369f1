#include "PrintedFiles.h"
#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/MonthlyReportScreen.h"

#include <QGroupBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

const QString kBadMonth = QStringLiteral("warning|月次報告書|年月を正しく選択して下さい");

} // namespace

class MonthlyReportScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_start;
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<MonthlyReportScreen> m_screen;

    template <class Widget> Widget* find(const QString& name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(name);
        Q_ASSERT(widget);
        return widget;
    }
    QComboBox* year() const { return find<QComboBox>(QStringLiteral("C年")); }
    QComboBox* month() const { return find<QComboBox>(QStringLiteral("C月")); }
    QTableWidget* grid() const { return find<QTableWidget>(QStringLiteral("出納")); }
    QRadioButton* option(const char* name) const
    {
        return find<QRadioButton>(QString::fromUtf8(name));
    }
    void choose(const QString& yy, const QString& mm)
    {
        year()->setEditText(yy);
        month()->setEditText(mm);
    }
    void press(const char* name)
    {
        QTest::mouseClick(find<QPushButton>(QString::fromUtf8(name)), Qt::LeftButton);
    }

    QStringList entries() const
    {
        QStringList rows = test::gridText(grid());
        rows.removeAll(QStringLiteral("||||||"));
        return rows.mid(1);
    }

    // Prints and returns the text of the PDF written; skips where that cannot be read.
    QString printedText()
    {
        const test::PrintedFiles files(m_start.path());
        press("B印刷");
        const QStringList added = files.added();
        if (added.size() != 1) {
            return QStringLiteral("no file");
        }
        return test::PrintedFiles::text(added.first());
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
        {
            Database database = Database::openOrCreate(m_folder->location());
            test::enterItem(database, "1", "10300", "参加費");
            test::enterItem(database, "2", "20200", "コート代");
            test::enterCash(database, "10/04/01", "1", "10100", "12000");
            test::enterCash(database, "10/04/08", "1", "10300", "1000");
            test::enterCash(database, "10/04/08", "2", "20200", "3000");
            test::enterDetail(database, "10/04/08", "1", "10300", "山田太郎");
            test::enterDetail(database, "10/04/08", "1", "10300", "佐藤花子");
            test::enterCash(database, "10/05/01", "1", "10100", "10000");
            TableCursor master = database.table("マスタ");
            master.editOrAddNew({"500", "001"});
            master.setValue("マ_名称", "ゾルカ会");
            master.update();
        }
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<MonthlyReportScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensWithDetailAndSummaryChosen()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("d月次報告書v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("月次報告書"));
        QVERIFY(option("R明細1")->isChecked());
        QVERIFY(option("R合計1")->isChecked());
        QCOMPARE(option("R明細2")->text(), QStringLiteral("なし"));
        QCOMPARE(option("R合計1")->text(), QStringLiteral("あり"));
        QCOMPARE(find<QGroupBox>(QStringLiteral("Frame2"))->title(), QStringLiteral("明細出力"));
        QCOMPARE(find<QGroupBox>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("サマリー出力"));
        QCOMPARE(option("R明細2")->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(test::gridText(grid()).first(),
                 QStringLiteral("日付|費目ｺｰﾄﾞ|費目|収入|支出|残高|備考"));
    }

    void showsTheChosenMonthAsTheCashBookDoes()
    {
        choose(QStringLiteral("10"), QStringLiteral("04"));
        press("B表示");
        QCOMPARE(entries(),
                 (QStringList{"01|10100|前月繰越|12,000||12,000|", "08|10300|参加費|1,000||13,000|",
                              "08|20200|コート代||3,000|10,000|"}));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void combosNamingNoMonthTurnRedAndShowNothing()
    {
        choose(QStringLiteral("10"), QStringLiteral("04"));
        press("B表示");
        choose(QStringLiteral("10"), QStringLiteral("13"));
        press("B表示");
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{kBadMonth});
        QCOMPARE(test::fieldColour(year()), kRed);
        QCOMPARE(test::fieldColour(month()), kRed);
        QCOMPARE(entries().size(), 3);

        m_boxes->clear();
        press("B印刷");
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{kBadMonth});

        choose(QStringLiteral("10"), QStringLiteral("05"));
        press("B表示");
        QCOMPARE(test::fieldColour(month()), kBlack);
        QCOMPARE(entries(), QStringList{"01|10100|前月繰越|10,000||10,000|"});
    }

    // The month shown is read again for printing: heading and content name the same month.
    void printingShowsAndPrintsTheMonthOfTheCombos()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer");
        }
        choose(QStringLiteral("10"), QStringLiteral("05"));
        press("B表示");
        choose(QStringLiteral("10"), QStringLiteral("04"));
        const QString text = printedText();
        QCOMPARE(entries().size(), 3);
        QCOMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->shown().first().icon, MessageBox::Icon::Information);
        if (text.isNull()) {
            QSKIP("pdftotext is not installed");
        }
        for (const char* printed : {"ゾルカ会", "10年 04月　収支報告書", "コート代", "佐藤花子",
                                    "山田太郎", "合計", "13,000"}) {
            QVERIFY2(text.contains(test::PrintedFiles::normal(QString::fromUtf8(printed))),
                     printed);
        }
    }

    void theDetailAndTheSummaryCanBeLeftOut()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer");
        }
        choose(QStringLiteral("10"), QStringLiteral("04"));
        option("R明細2")->setChecked(true);
        option("R合計2")->setChecked(true);
        const QString text = printedText();
        if (text.isNull()) {
            QSKIP("pdftotext is not installed");
        }
        QVERIFY(text.contains(QStringLiteral("コート代")));
        QVERIFY(!text.contains(QStringLiteral("山田太郎")));
        QCOMPARE(text.count(test::PrintedFiles::normal(QStringLiteral("摘　　要"))),
                 1); // the list's heading only
    }
};

QTEST_MAIN(MonthlyReportScreenTest)
#include "MonthlyReportScreenTest.moc"
