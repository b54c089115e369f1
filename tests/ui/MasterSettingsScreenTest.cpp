#include "RegisterScreenSupport.h"

#include "registers/ui/MasterSettingsScreen.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QString kQuestion = QStringLiteral("question|マスター登録|入力内容で更新します。");
const QString kStored = QStringLiteral("warning|マスター登録|表示内容で登録（更新）しました。");
const QStringList kFieldNames{QStringLiteral("チーム名"), QStringLiteral("月会費"),
                              QStringLiteral("参加費1"), QStringLiteral("参加費2"),
                              QStringLiteral("参加費3")};

} // namespace

class MasterSettingsScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<MasterSettingsScreen> m_screen;

    void open(const DatabaseLocation& location)
    {
        m_screen = std::make_unique<MasterSettingsScreen>(location);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    QLineEdit* field(const QString& name) const { return m_screen->findChild<QLineEdit*>(name); }

    QStringList fieldTexts() const
    {
        QStringList texts;
        for (const QString& name : kFieldNames) {
            texts << field(name)->text();
        }
        return texts;
    }

    void enter(const QStringList& texts)
    {
        for (int i = 0; i < kFieldNames.size(); ++i) {
            field(kFieldNames[i])->setText(texts[i]);
        }
    }

    void confirm(bool yes)
    {
        m_boxes->answer(yes);
        QTest::mouseClick(m_screen->findChild<QPushButton*>(QStringLiteral("B確定")),
                          Qt::LeftButton);
    }

    std::vector<std::string> masterRows() const
    {
        return test::rowsOf(*m_folder, "SELECT マ_連番, マ_名称, マ_略称, マ_教科, マ_備考 "
                                       "FROM マスタ ORDER BY 1");
    }

    void seed(const std::vector<std::pair<std::string, std::string>>& rows)
    {
        Database database = Database::open(m_folder->location());
        for (const auto& [sequence, name] : rows) {
            TableCursor row = database.table("マスタ");
            row.editOrAddNew({"500", sequence});
            row.setValue("マ_名称", name);
            row.update();
        }
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        Database::openOrCreate(m_folder->location());
        m_boxes = std::make_unique<MessageBox::Script>();
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensWithTheStoredValues()
    {
        seed({{"001", "ゾルカ会"}, {"011", "3000"}, {"022", "800"}, {"031", "x"}});
        open(m_folder->location());

        QCOMPARE(m_screen->objectName(), QStringLiteral("bマスタ登録v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("マスター登録"));
        QCOMPARE(fieldTexts(), (QStringList{"ゾルカ会", "3,000", "", "800", ""}));
        QStringList labels;
        for (const QLabel* label : m_screen->findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const char* caption : {"月会費", "参加費１", "参加費２", "参加費３"}) {
            QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);
        }
        QCOMPARE(m_screen->findChild<QPushButton*>(QStringLiteral("B確定"))->text(),
                 QStringLiteral("確定"));
        QCOMPARE(m_screen->findChild<QPushButton*>(QStringLiteral("終了"))->text(),
                 QStringLiteral("終了"));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    // On a database without category "500" the first 確定 adds the five rows; an empty fee is
    // stored and shown as "0", and amounts typed with commas are taken.
    void theFirstConfirmAddsTheFiveRows()
    {
        open(m_folder->location());
        enter({"ゾルカ会", "3,000", "500", "800", ""});
        confirm(true);

        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kQuestion, kStored}));
        QCOMPARE(masterRows(),
                 (std::vector<std::string>{"001|ゾルカ会|||", "002|4|||", "011|3000|||",
                                           "021|500|||", "022|800|||", "023|0|||"}));
        QCOMPARE(fieldTexts(), (QStringList{"ゾルカ会", "3,000", "500", "800", "0"}));

        m_boxes->clear();
        enter({"新しい会", "2500", "500", "800", "0"});
        confirm(true);
        QCOMPARE(masterRows().size(), std::size_t{6});
        QCOMPARE(masterRows()[0], std::string("001|新しい会|||"));
        QCOMPARE(masterRows()[2], std::string("011|2500|||"));
    }

    void badFeesAreMarkedAndOnlyTheFirstIsNamed()
    {
        open(m_folder->location());
        enter({"ゾルカ会", "3000", "abc", "x", ""});
        confirm(true);

        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"warning|マスター登録|参加費1は数字を入力してください"});
        QCOMPARE(m_boxes->unusedAnswers(), 1);
        QCOMPARE(test::fieldColour(field(QStringLiteral("参加費1"))), kRed);
        QCOMPARE(test::fieldColour(field(QStringLiteral("参加費2"))), kRed);
        QCOMPARE(test::fieldColour(field(QStringLiteral("月会費"))), kBlack);
        QCOMPARE(m_screen->focusWidget(), field(QStringLiteral("参加費1")));
        QCOMPARE(field(QStringLiteral("参加費3"))->text(), QStringLiteral("0"));
        QVERIFY(masterRows().empty());

        m_boxes->clear();
        enter({"ゾルカ会", "3000", "-100", "800", "0"});
        confirm(true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"warning|マスター登録|参加費1は0～9,999,999の整数を入力してください"});
        QCOMPARE(test::fieldColour(field(QStringLiteral("参加費2"))), kBlack);
        QVERIFY(masterRows().empty());
    }

    // The fiscal year starts in April until another month is stored; a month that is none is
    // marked and named after any bad fee, and nothing is stored.
    void theFiscalStartMonthIsCheckedAndStored()
    {
        open(m_folder->location());
        auto* month = m_screen->findChild<QComboBox*>(QStringLiteral("C年度開始月"));
        QCOMPARE(month->currentText(), QStringLiteral("4"));
        QCOMPARE(month->count(), 12);

        enter({"ゾルカ会", "x", "500", "800", "0"});
        month->setCurrentText(QStringLiteral("13"));
        confirm(true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"warning|マスター登録|月会費は数字を入力してください"});
        QCOMPARE(test::fieldColour(month), kRed);

        m_boxes->clear();
        enter({"ゾルカ会", "3000", "500", "800", "0"});
        confirm(true);
        QCOMPARE(test::shownBoxes(*m_boxes),
                 QStringList{"warning|マスター登録|年度開始月は1～12の数字を選択してください"});
        QCOMPARE(test::fieldColour(field(QStringLiteral("月会費"))), kBlack);
        QVERIFY(masterRows().empty());

        m_boxes->clear();
        month->setCurrentText(QStringLiteral("１"));
        confirm(true);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kQuestion, kStored}));
        QCOMPARE(masterRows()[1], std::string("002|1|||"));
        QCOMPARE(month->currentText(), QStringLiteral("1"));
        QCOMPARE(test::fieldColour(month), kBlack);

        open(m_folder->location());
        QCOMPARE(m_screen->findChild<QComboBox*>(QStringLiteral("C年度開始月"))->currentText(),
                 QStringLiteral("1"));
    }

    void answeringNoStoresNothing()
    {
        open(m_folder->location());
        enter({"ゾルカ会", "3000", "500", "800", "0"});
        confirm(false);
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{kQuestion});
        QVERIFY(masterRows().empty());
    }

    void aMissingOrForeignFileIsReportedAndLeftAlone()
    {
        test::TempFolder empty;
        open(empty.location());
        const QString missing = QStringLiteral(
            "warning|マスター登録|データベースファイル「ゾルカv3.mdb」が見つかりません。");
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{missing});
        enter({"ゾルカ会", "3000", "500", "800", "0"});
        confirm(true);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{missing, kQuestion, missing}));
        QVERIFY(!std::filesystem::exists(empty.databaseFile()));

        m_boxes->clear();
        const std::string foreign = "Standard Jet DB" + std::string(200, '\x01');
        test::writeFile(empty.databaseFile(), foreign);
        open(empty.location());
        confirm(true);
        const QString notOurs =
            QStringLiteral("warning|マスター登録|データベースファイル「ゾルカv3.mdb」は"
                           "このプログラムのものではないため開けません。");
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{notOurs, kQuestion, notOurs}));
        QCOMPARE(test::fileBytes(empty.databaseFile()), foreign);
    }

    void quitClosesTheScreen()
    {
        open(m_folder->location());
        QTest::mouseClick(m_screen->findChild<QPushButton*>(QStringLiteral("終了")),
                          Qt::LeftButton);
        QVERIFY(!m_screen->isVisible());
    }
};

QTEST_MAIN(MasterSettingsScreenTest)
#include "MasterSettingsScreenTest.moc"
