#include "ScreenFixture.h"
#include "ScreenTestSupport.h"

#include "accounts/csv/AccountsCsv.h"
#include "accounts/ui/AccountsCsvScreen.h"
#include "common/StartupValues.h"
#include "output/TextEncoding.h"
#include "registers/ClubSettings.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>

using namespace zoruka;
using ui::MessageBox;

class AccountsCsvScreenTest : public QObject {
    Q_OBJECT

private:
    test::ScreenFixture<AccountsCsvScreen> m;

    void set(const char* combo, const char* text) { m.find<QComboBox>(combo)->setEditText(text); }

    // Presses "CSV出力" and returns the file name the export screen offers ("" when none opened);
    // with `path`, writes the file there in `encoding` first.
    QString exportCsv(const QString& path = {}, bool utf8 = false)
    {
        QString offered;
        QTimer::singleShot(0, &m.screen(), [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("出力データ"));
            offered = name->text();
            if (!path.isEmpty()) {
                name->setText(path);
                dialog
                    ->findChild<QRadioButton*>(utf8 ? QStringLiteral("R_UTF8")
                                                    : QStringLiteral("R_SJIS"))
                    ->setChecked(true);
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("B実行")),
                                  Qt::LeftButton);
            }
            dialog->reject();
        });
        m.press("BCSV出力");
        QCoreApplication::processEvents();
        return offered;
    }

private slots:
    void initTestCase() { StartupValues::fix({2026, 5, 10}); }

    void init()
    {
        m.start();
        {
            Database database = Database::open(m.location());
            test::enterItem(database, "1", "10300", "参加費");
            test::enterCash(database, "26/04/08", "1", "10300", "1500");
            test::enterCash(database, "26/05/08", "1", "10300", "2000");
            test::enterDetail(database, "26/04/08", "1", "10300", "山田");
        }
        club_settings::save(m.location(), {"ゾルカ会", "", "", "", ""}, 10);
        QVERIFY(m.open());
    }

    void cleanup() { m.stop(); }

    void writesTheChosenMonthsOfTheCashBook()
    {
        QCOMPARE(m.screen().objectName(), QStringLiteral("cCSV出力"));
        QCOMPARE(m.screen().windowTitle(), QStringLiteral("CSV出力"));
        QVERIFY(m.find<QRadioButton>("R出納帳")->isChecked());
        QCOMPARE(exportCsv(), QStringLiteral("出納帳_202605.csv"));

        set("C開始月", "04");
        const QString path = QString::fromStdString((m.folder().path() / "book.csv").string());
        QCOMPARE(exportCsv(path, true), QStringLiteral("出納帳_202604-202605.csv"));
        QCOMPARE(test::shownBoxes(m.boxes()),
                 QStringList{"information|CSV出力|CSVファイルを出力しました。"});
        QCOMPARE(test::fileBytes(path.toStdString()),
                 encodeText(cashBookCsv(m.location(), {{2026, 4}, {2026, 5}}), TextEncoding::Utf8));
    }

    void monthsThatAreNoneOrRunBackwardsAreRefused()
    {
        set("C開始月", "13");
        QCOMPARE(exportCsv(), QString());
        set("C開始月", "05");
        set("C終了月", "04");
        QCOMPARE(exportCsv(), QString());
        QCOMPARE(test::shownBoxes(m.boxes()),
                 (QStringList{"warning|CSV出力|年月を正しく選択して下さい",
                              "warning|CSV出力|終わりの年月は始めの年月と同じか後にして下さい"}));
        QCOMPARE(test::fieldColour(m.find<QComboBox>("C終了月")), QColor(255, 0, 0));
        QCOMPARE(test::fieldColour(m.find<QComboBox>("C開始月")), QColor(0, 0, 0));
    }

    void theFeeDetailOfAFiscalYearAndTheMemberRegister()
    {
        m.find<QRadioButton>("R会費明細")->setChecked(true);
        m.find<QRadioButton>("R年度指定")->setChecked(true);
        // The year starts in October: in May 2026 that is 2025's.
        QCOMPARE(m.find<QComboBox>("C年度")->currentText(), QStringLiteral("2025"));
        QCOMPARE(exportCsv(), QStringLiteral("会費明細_202510-202609.csv"));
        set("C年度", "二千");
        QCOMPARE(exportCsv(), QString());
        QCOMPARE(test::shownBoxes(m.boxes()),
                 QStringList{"warning|CSV出力|年度を正しく選択して下さい"});

        m.find<QRadioButton>("R会員名簿")->setChecked(true);
        QVERIFY(!m.find<QGroupBox>("Frame2")->isEnabled());
        QCOMPARE(exportCsv(), QStringLiteral("会員名簿.csv"));
    }
};

QTEST_MAIN(AccountsCsvScreenTest)
#include "AccountsCsvScreenTest.moc"
