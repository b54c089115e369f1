#include "PrintedFiles.h"
#include "ScreenFixture.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/AnnualReportScreen.h"
#include "common/StartupValues.h"
#include "output/ui/PrintPageView.h"
#include "registers/ClubSettings.h"

#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

class AnnualReportScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_start;
    test::ScreenFixture<AnnualReportScreen> m;

    QComboBox* year() const { return m.find<QComboBox>("C年度"); }
    QStringList rows() const
    {
        QStringList rows = test::gridText(m.find<QTableWidget>("年間収支"));
        rows.replaceInStrings(QStringLiteral("|||||||||||||"), QStringLiteral("…"));
        return rows;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_start.isValid());
        QVERIFY(QDir::setCurrent(m_start.path()));
        StartupValues::fix({2026, 5, 10});
    }

    // A club whose fiscal year starts in October, with entries in two of its years.
    void init()
    {
        m.start();
        {
            Database database = Database::open(m.location());
            test::enterItem(database, "1", "10300", "参加費");
            test::enterCash(database, "24/10/01", "1", "10100", "1000");
            test::enterCash(database, "24/12/08", "1", "10300", "2000");
            test::enterCash(database, "25/10/01", "1", "10100", "3000");
            test::enterCash(database, "26/04/08", "1", "10300", "1500");
        }
        club_settings::save(m.location(), {"ゾルカ会", "", "", "", ""}, 10);
        QVERIFY(m.open());
        QVERIFY(m.boxes().shown().isEmpty());
    }

    void cleanup() { m.stop(); }

    void opensWithTodaysFiscalYearAndItsChart()
    {
        QCOMPARE(m.screen().objectName(), QStringLiteral("d年間報告書"));
        QCOMPARE(m.screen().windowTitle(), QStringLiteral("年間収支報告書"));
        QCOMPARE(year()->currentText(), QStringLiteral("2025"));
        QCOMPARE(year()->itemText(year()->count() - 1), QStringLiteral("2025"));
        QCOMPARE(m.find<QLabel>("期間")->text(), QStringLiteral("2025年10月01日～2026年09月30日"));
        QCOMPARE(rows().mid(0, 3),
                 (QStringList{"費目|10月|11月|12月|1月|2月|3月|4月|5月|6月|7月|8月|9月|合計",
                              "前年度繰越金…3,000", "参加費|||||||1,500||||||1,500"}));
        const PrintPage& chart = m.find<ui::PrintPageView>("年間グラフ")->page();
        QVERIFY(!chart.operations.empty());
        QVERIFY(m.screen().width() <= m.screen().screen()->availableGeometry().width());
    }

    void showsTheChosenYearAndRefusesAnyOtherText()
    {
        year()->setEditText(QStringLiteral("2024"));
        m.press("B表示");
        QCOMPARE(rows().mid(1, 2),
                 (QStringList{"前年度繰越金…1,000", "参加費|||2,000||||||||||2,000"}));

        year()->setEditText(QStringLiteral("24"));
        m.press("B表示");
        QCOMPARE(test::shownBoxes(m.boxes()),
                 QStringList{"warning|年間収支報告書|年度を正しく選択して下さい"});
        QCOMPARE(test::fieldColour(year()), QColor(255, 0, 0));
        QCOMPARE(rows().at(1), QStringLiteral("前年度繰越金…1,000"));
    }

    void printsTheYearOfTheCombo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a printer");
        }
        const test::PrintedFiles files(m_start.path());
        m.press("B印刷");
        QCOMPARE(files.added().size(), 1);
        const QString text = test::PrintedFiles::text(files.added().first());
        if (text.isNull()) {
            QSKIP("pdftotext is not installed");
        }
        QVERIFY(
            text.contains(test::PrintedFiles::normal(QStringLiteral("2025年度　年間収支報告書"))));
        QVERIFY(text.contains(QStringLiteral("ゾルカ会")));
    }
};

QTEST_MAIN(AnnualReportScreenTest)
#include "AnnualReportScreenTest.moc"
