#include "RegisterScreenSupport.h"
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
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<AccountsCsvScreen> m_screen;

    template <class Widget> Widget* find(const char* name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(QString::fromUtf8(name));
        Q_ASSERT(widget);
        return widget;
    }
    void set(const char* combo, const char* text) { find<QComboBox>(combo)->setEditText(text); }

    // Presses "CSV出力" and returns the file name the export screen offers ("" when none opened);
    // with `path`, writes the file there in `encoding` first.
    QString exportCsv(const QString& path = {}, bool utf8 = false)
    {
        QString offered;
        QTimer::singleShot(0, m_screen.get(), [&] {
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
        QTest::mouseClick(find<QPushButton>("BCSV出力"), Qt::LeftButton);
        QCoreApplication::processEvents();
        return offered;
    }

private slots:
    void initTestCase() { StartupValues::fix({2026, 5, 10}); }

    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        {
            Database database = Database::openOrCreate(m_folder->location());
            test::enterItem(database, "1", "10300", "参加費");
            test::enterCash(database, "26/04/08", "1", "10300", "1500");
            test::enterCash(database, "26/05/08", "1", "10300", "2000");
            test::enterDetail(database, "26/04/08", "1", "10300", "山田");
        }
        club_settings::save(m_folder->location(), {"ゾルカ会", "", "", "", ""}, 10);
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<AccountsCsvScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void writesTheChosenMonthsOfTheCashBook()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("cCSV出力"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("CSV出力"));
        QVERIFY(find<QRadioButton>("R出納帳")->isChecked());
        QCOMPARE(exportCsv(), QStringLiteral("出納帳_202605.csv"));

        set("C開始月", "04");
        const QString path = QString::fromStdString((m_folder->path() / "book.csv").string());
        QCOMPARE(exportCsv(path, true), QStringLiteral("出納帳_202604-202605.csv"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"information|CSV出力|CSVファイルを出力しました。"});
        QCOMPARE(test::fileBytes(path.toStdString()),
                 encodeText(cashBookCsv(m_folder->location(), {{2026, 4}, {2026, 5}}),
                            TextEncoding::Utf8));
    }

    void monthsThatAreNoneOrRunBackwardsAreRefused()
    {
        set("C開始月", "13");
        QCOMPARE(exportCsv(), QString());
        set("C開始月", "05");
        set("C終了月", "04");
        QCOMPARE(exportCsv(), QString());
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{"warning|CSV出力|年月を正しく選択して下さい",
                              "warning|CSV出力|終わりの年月は始めの年月と同じか後にして下さい"}));
        QCOMPARE(test::fieldColour(find<QComboBox>("C終了月")), QColor(255, 0, 0));
        QCOMPARE(test::fieldColour(find<QComboBox>("C開始月")), QColor(0, 0, 0));
    }

    void theFeeDetailOfAFiscalYearAndTheMemberRegister()
    {
        find<QRadioButton>("R会費明細")->setChecked(true);
        find<QRadioButton>("R年度指定")->setChecked(true);
        // The year starts in October: in May 2026 that is 2025's.
        QCOMPARE(find<QComboBox>("C年度")->currentText(), QStringLiteral("2025"));
        QCOMPARE(exportCsv(), QStringLiteral("会費明細_202510-202609.csv"));
        set("C年度", "二千");
        QCOMPARE(exportCsv(), QString());
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"warning|CSV出力|年度を正しく選択して下さい"});

        find<QRadioButton>("R会員名簿")->setChecked(true);
        QVERIFY(!find<QGroupBox>("Frame2")->isEnabled());
        QCOMPARE(exportCsv(), QStringLiteral("会員名簿.csv"));
    }
};

QTEST_MAIN(AccountsCsvScreenTest)
#include "AccountsCsvScreenTest.moc"
