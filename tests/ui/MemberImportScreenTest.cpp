#include "ScreenFixture.h"
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
    test::ScreenFixture<MemberImportScreen> m;

    void press(const char* name) { m.press(name); }
    QString text(const char* label) const { return m.find<QLabel>(label)->text(); }
    QStringList planRows() const
    {
        QStringList rows = test::gridText(m.find<QTableWidget>("取込一覧"));
        rows.removeAll(QStringLiteral("|||||"));
        return rows.mid(1);
    }
    std::size_t members() const { return MemberRegister(m.location()).list().size(); }

    // Writes `bytes` beside the database and reads it on the screen.
    void read(const std::string& bytes)
    {
        const auto path = m.folder().path() / "会員.csv";
        test::writeFile(path, bytes);
        m.find<QLineEdit>("入力ファイル")->setText(QString::fromStdString(path.string()));
        press("B読込");
    }

private slots:
    void init()
    {
        m.start();
        MemberRegister(m.location())
            .save({"古株", "フルカブ", "60", "1", false, "1", "", "", "", "", "", "会長"});
        QVERIFY(m.open());
    }

    void cleanup() { m.stop(); }

    void previewsWhatEachRowWouldDo()
    {
        QCOMPARE(m.screen().objectName(), QStringLiteral("b会員取込"));
        QCOMPARE(m.screen().windowTitle(), QStringLiteral("会員CSV取込"));
        read(encodeText(kFile, TextEncoding::ShiftJis));
        QVERIFY(m.boxes().shown().isEmpty());
        QCOMPARE(text("文字コード"), QStringLiteral("文字コード：Shift_JIS"));
        QCOMPARE(planRows(), (QStringList{"2|新人|シンジン|女|追加|",
                                          "3|古株|フルカブ|男|スキップ|登録済みの氏名です",
                                          "4|名無し||男|不可|氏名カナがありません"}));
        QCOMPARE(text("件数"), QStringLiteral("追加 1件　更新 0件　スキップ 1件　不可 1件"));

        m.find<QRadioButton>("R更新")->setChecked(true);
        QCOMPARE(planRows().at(1), QStringLiteral("3|古株|フルカブ|男|更新|"));
        QCOMPARE(members(), 1u);
    }

    void importsAfterAskingAndShowsTheRegisterAsItIsThen()
    {
        read(encodeText(kFile, TextEncoding::Utf8));
        QCOMPARE(text("文字コード"), QStringLiteral("文字コード：UTF-8"));
        press("B取込");
        QCOMPARE(members(), 1u);
        m.boxes().clear();

        m.boxes().answer(true);
        press("B取込");
        QCOMPARE(test::shownBoxes(m.boxes()),
                 (QStringList{"question|会員CSV取込|表示の内容で会員を取り込みます。\n"
                              "追加 1件　更新 0件　スキップ 1件　不可 1件",
                              "information|会員CSV取込|会員を取り込みました。\n"
                              "追加 1件　更新 0件　スキップ 1件　不可 1件"}));
        QCOMPARE(members(), 2u);
        QCOMPARE(planRows().at(0),
                 QStringLiteral("2|新人|シンジン|女|スキップ|登録済みの氏名です"));

        m.boxes().clear();
        press("B取込");
        QCOMPARE(test::shownBoxes(m.boxes()),
                 QStringList{"warning|会員CSV取込|取り込める会員がありません"});
    }

    void filesThatCannotBeReadChangeNothing()
    {
        press("B取込");
        press("B読込");
        read("\x82\xA0\xFF\xFF");
        QCOMPARE(test::shownBoxes(m.boxes()),
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
