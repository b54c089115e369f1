#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "accounts/ui/MemberImportScreen.h"
#include "output/TextEncoding.h"
#include "registers/MemberRegister.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const std::string kFile = "氏名,氏名カナ,性別\r\n"
                          "新人,シンジン,2\r\n"
                          "古株,フルカブ,1\r\n"
                          "名無し,,1\r\n";

} // namespace

class MemberImportScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<MemberImportScreen> m_screen;

    template <class Widget> Widget* find(const char* name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(QString::fromUtf8(name));
        Q_ASSERT(widget);
        return widget;
    }
    void press(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    QStringList planRows() const
    {
        QStringList rows = test::gridText(find<QTableWidget>("取込一覧"));
        rows.removeAll(QStringLiteral("|||||"));
        return rows.mid(1);
    }
    std::size_t members() const { return MemberRegister(m_folder->location()).list().size(); }

    // Writes `bytes` beside the database and reads it on the screen.
    void read(const std::string& bytes)
    {
        const auto path = m_folder->path() / "会員.csv";
        test::writeFile(path, bytes);
        find<QLineEdit>("入力ファイル")->setText(QString::fromStdString(path.string()));
        press("B読込");
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        Database::openOrCreate(m_folder->location());
        MemberRegister(m_folder->location())
            .save({"古株", "フルカブ", "60", "1", false, "1", "", "", "", "", "", "会長"});
        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<MemberImportScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void previewsWhatEachRowWouldDo()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("b会員取込"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("会員CSV取込"));
        read(encodeText(kFile, TextEncoding::ShiftJis));
        QVERIFY(m_boxes->shown().isEmpty());
        QCOMPARE(text("文字コード"), QStringLiteral("文字コード：Shift_JIS"));
        QCOMPARE(planRows(), (QStringList{"2|新人|シンジン|女|追加|",
                                          "3|古株|フルカブ|男|スキップ|登録済みの氏名です",
                                          "4|名無し||男|不可|氏名カナがありません"}));
        QCOMPARE(text("件数"), QStringLiteral("追加 1件　更新 0件　スキップ 1件　不可 1件"));

        find<QRadioButton>("R更新")->setChecked(true);
        QCOMPARE(planRows().at(1), QStringLiteral("3|古株|フルカブ|男|更新|"));
        QCOMPARE(members(), 1u);
    }

    void importsAfterAskingAndShowsTheRegisterAsItIsThen()
    {
        read(encodeText(kFile, TextEncoding::Utf8));
        QCOMPARE(text("文字コード"), QStringLiteral("文字コード：UTF-8"));
        press("B取込");
        QCOMPARE(members(), 1u);
        m_boxes->clear();

        m_boxes->answer(true);
        press("B取込");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{"question|会員CSV取込|表示の内容で会員を取り込みます。\n"
                              "追加 1件　更新 0件　スキップ 1件　不可 1件",
                              "information|会員CSV取込|会員を取り込みました。\n"
                              "追加 1件　更新 0件　スキップ 1件　不可 1件"}));
        QCOMPARE(members(), 2u);
        QCOMPARE(planRows().at(0),
                 QStringLiteral("2|新人|シンジン|女|スキップ|登録済みの氏名です"));

        m_boxes->clear();
        press("B取込");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"warning|会員CSV取込|取り込める会員がありません"});
    }

    void filesThatCannotBeReadChangeNothing()
    {
        press("B取込");
        press("B読込");
        read("\x82\xA0\xFF\xFF");
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{"warning|会員CSV取込|先にCSVファイルを読み込んで下さい",
                              "warning|会員CSV取込|取り込むCSVファイルを指定して下さい",
                              "warning|会員CSV取込|CSVファイルを読み込めません。ファイル名と文字"
                              "コード（Shift_JISかUTF-8）を確認してください"}));
        QVERIFY(planRows().isEmpty());
        QCOMPARE(members(), 1u);
    }
};

QTEST_MAIN(MemberImportScreenTest)
#include "MemberImportScreenTest.moc"
