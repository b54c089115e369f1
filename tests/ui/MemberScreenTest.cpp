#include "RegisterScreenSupport.h"
#include "ScreenTestSupport.h"

#include "registers/ui/MemberScreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace zoruka;
using ui::MessageBox;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

QString box(const char* kind, const char* text)
{
    return QString::fromUtf8(kind) + QStringLiteral("|会員登録|") + QString::fromUtf8(text);
}

const QString kConfirmSave = box("question", "入力内容で更新します。");
const QString kSaved = box("warning", "会員は登録（更新）されました。");
const QString kConfirmDelete = box("question", "会員を削除します。");

} // namespace

class MemberScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MessageBox::Script> m_boxes;
    std::unique_ptr<MemberScreen> m_screen;

    template <class Widget> Widget* find(const QString& name) const
    {
        Widget* widget = m_screen->findChild<Widget*>(name);
        Q_ASSERT(widget);
        return widget;
    }
    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* age() const { return find<QComboBox>(QStringLiteral("C年齢")); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }
    QTableWidget* grid() const { return find<QTableWidget>(QStringLiteral("会員一覧")); }
    void press(const QString& name, bool answer = true)
    {
        m_boxes->answer(answer);
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }

    QStringList listed() const
    {
        QStringList rows = test::gridText(grid());
        rows.removeAll(QStringLiteral("||||"));
        return rows;
    }

    std::vector<std::string> memberRows() const
    {
        return test::rowsOf(
            *m_folder,
            "SELECT 会_氏名, 会_氏名カナ, 会_年齢, 会_性別, 会_有効F, 会_出力順, 会_郵便1, "
            "会_郵便2, 会_住所1, 会_住所2, 会_電話, 会_備考 FROM 会員 "
            "ORDER BY 会_氏名カナ");
    }

    void save(const Member& member)
    {
        MemberRegister(m_folder->location()).save(MemberRegister::check(member).member);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        Database::openOrCreate(m_folder->location());
        Member taro;
        taro.name = "山田太郎";
        taro.kana = "ヤマダタロウ";
        taro.age = "45";
        taro.postal1 = "060";
        taro.postal2 = "0001";
        taro.address1 = "札幌市";
        save(taro);
        Member hanako;
        hanako.name = "佐藤花子";
        hanako.kana = "サトウハナコ";
        hanako.age = "38";
        hanako.sex = "2";
        hanako.excluded = true;
        hanako.order = "5";
        hanako.phone = "011-000-0000";
        save(hanako);

        m_boxes = std::make_unique<MessageBox::Script>();
        m_screen = std::make_unique<MemberScreen>(m_folder->location());
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
        m_folder.reset();
    }

    void opensListingTheMembersInReadingOrder()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("b会員登録v3"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("会員登録"));
        QCOMPARE(age()->count(), 81);
        QCOMPARE(age()->itemText(0), QStringLiteral("0"));
        QCOMPARE(age()->itemText(80), QStringLiteral("80"));
        QVERIFY(option(QStringLiteral("R男性"))->isChecked());
        QVERIFY(option(QStringLiteral("R有効"))->isChecked());
        QCOMPARE(option(QStringLiteral("R女性"))->text(), QStringLiteral("女性"));
        QCOMPARE(option(QStringLiteral("R無効"))->text(), QStringLiteral("無効"));
        QCOMPARE(option(QStringLiteral("R男性"))->parentWidget()->objectName(),
                 QStringLiteral("Frame2"));
        QCOMPARE(option(QStringLiteral("R有効"))->parentWidget()->objectName(),
                 QStringLiteral("Frame1"));
        for (const char* name : {"郵便番号1", "郵便番号2", "住所1", "住所2", "電話番号", "備考",
                                 "出力順", "氏名", "氏名カナ"}) {
            QVERIFY2(m_screen->findChild<QLineEdit*>(QString::fromUtf8(name)), name);
        }
        QStringList labels;
        for (const QLabel* label : m_screen->findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const char* caption : {"氏名", "氏名カナ", "年齢", "性別", "チェック表出力対象",
                                    "出力順", "連絡先　〒", "住所1", "電話番号", "備考"}) {
            QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);
        }
        for (const auto& [name, caption] :
             {std::pair{"B確定", "確定"}, std::pair{"B削除", "削除"},
              std::pair{"Bクリア", "クリア"}, std::pair{"B終了", "終了"}}) {
            QCOMPARE(find<QPushButton>(QString::fromUtf8(name))->text(),
                     QString::fromUtf8(caption));
        }

        QCOMPARE(grid()->rowCount(), 100);
        QCOMPARE(listed(),
                 (QStringList{"氏名|ヨミ|年齢|性別|対象", "佐藤花子|サトウハナコ|38|女|無効",
                              "山田太郎|ヤマダタロウ|45|男|"}));
        QCOMPARE(test::rowColour(grid(), 0), kYellow);
        QCOMPARE(grid()->item(1, 3)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void clickingARowLoadsTheMember()
    {
        test::clickCell(grid(), 1, 4);
        QCOMPARE(field(QStringLiteral("氏名"))->text(), QStringLiteral("佐藤花子"));
        QCOMPARE(field(QStringLiteral("氏名カナ"))->text(), QStringLiteral("サトウハナコ"));
        QCOMPARE(age()->currentText(), QStringLiteral("38"));
        QVERIFY(option(QStringLiteral("R女性"))->isChecked());
        QVERIFY(option(QStringLiteral("R無効"))->isChecked());
        QCOMPARE(field(QStringLiteral("出力順"))->text(), QStringLiteral("5"));
        QCOMPARE(field(QStringLiteral("電話番号"))->text(), QStringLiteral("011-000-0000"));
        QCOMPARE(test::rowColour(grid(), 1), kGreen);

        // Column 4 of an active member is empty, yet the row is a member.
        test::clickCell(grid(), 2, 4);
        QCOMPARE(field(QStringLiteral("氏名"))->text(), QStringLiteral("山田太郎"));
        QVERIFY(option(QStringLiteral("R男性"))->isChecked());
        QVERIFY(option(QStringLiteral("R有効"))->isChecked());
        QCOMPARE(field(QStringLiteral("郵便番号2"))->text(), QStringLiteral("0001"));
        QCOMPARE(field(QStringLiteral("住所1"))->text(), QStringLiteral("札幌市"));
        QCOMPARE(test::rowColour(grid(), 2), kGreen);
        QCOMPARE(test::rowColour(grid(), 1), kWhite);
        QVERIFY(m_boxes->shown().isEmpty());

        test::clickCell(grid(), 3, 0);
        test::clickCell(grid(), 0, 0);
        const QString outOfRange = box("warning", "指示位置が有効範囲外です。");
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{outOfRange, outOfRange}));
    }

    void savingWithEveryFieldEmptyNamesTheName()
    {
        press(QStringLiteral("B確定"));
        QCOMPARE(test::shownBoxes(*m_boxes), QStringList{box("warning", "氏名に入力してください")});
        QCOMPARE(test::fieldColour(field(QStringLiteral("氏名"))), kRed);
        QCOMPARE(test::fieldColour(field(QStringLiteral("氏名カナ"))), kRed);
        QCOMPARE(test::fieldColour(age()), kBlack);
        QCOMPARE(age()->currentText(), QStringLiteral("0"));
        QCOMPARE(field(QStringLiteral("出力順"))->text(), QStringLiteral("100"));
        QCOMPARE(m_screen->focusWidget(), field(QStringLiteral("氏名")));
        QCOMPARE(memberRows().size(), std::size_t{2});
    }

    void aSecondPostalGroupAloneMarksTheFirst()
    {
        field(QStringLiteral("氏名"))->setText(QStringLiteral("青木一郎"));
        field(QStringLiteral("氏名カナ"))->setText(QStringLiteral("アオキイチロウ"));
        field(QStringLiteral("郵便番号2"))->setText(QStringLiteral("0001"));
        press(QStringLiteral("B確定"));
        QCOMPARE(
            test::shownBoxes(*m_boxes),
            QStringList{box("warning", "郵便番号1が未入力です、郵便番号2単独の入力は不可です")});
        QCOMPARE(test::fieldColour(field(QStringLiteral("郵便番号1"))), kRed);
        QCOMPARE(test::fieldColour(field(QStringLiteral("郵便番号2"))), kBlack);
        QCOMPARE(memberRows().size(), std::size_t{2});
    }

    void savingANewNameAddsAnExcludedMember()
    {
        field(QStringLiteral("氏名"))->setText(QStringLiteral("青木 \"一郎\"'"));
        field(QStringLiteral("氏名カナ"))->setText(QStringLiteral("アオキイチロウ"));
        age()->setEditText(QStringLiteral("52"));
        QTest::mouseClick(option(QStringLiteral("R無効")), Qt::LeftButton, {}, QPoint(4, 8));
        QTest::mouseClick(option(QStringLiteral("R女性")), Qt::LeftButton, {}, QPoint(4, 8));
        field(QStringLiteral("郵便番号1"))->setText(QStringLiteral("００１"));
        field(QStringLiteral("郵便番号2"))->setText(QStringLiteral("2345"));
        field(QStringLiteral("備考"))->setText(QStringLiteral("'); DROP TABLE 会員; --"));
        press(QStringLiteral("B確定"));

        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmSave, kSaved}));
        QCOMPARE(memberRows().front(), std::string("青木 \"一郎\"'|アオキイチロウ|52|2|1|100|001|"
                                                   "2345||||'); DROP TABLE 会員; --"));
        QCOMPARE(listed()[1], QStringLiteral("青木 \"一郎\"'|アオキイチロウ|52|女|無効"));
        // The fields stay as they were for the next entry.
        QCOMPARE(field(QStringLiteral("氏名カナ"))->text(), QStringLiteral("アオキイチロウ"));
    }

    void savingAnExistingNameEditsThatMember()
    {
        test::clickCell(grid(), 2, 0);
        field(QStringLiteral("氏名カナ"))->setText(QStringLiteral("ヤマダ"));
        QTest::mouseClick(option(QStringLiteral("R無効")), Qt::LeftButton, {}, QPoint(4, 8));
        press(QStringLiteral("B確定"));
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmSave, kSaved}));
        QCOMPARE(memberRows().size(), std::size_t{2});
        QCOMPARE(memberRows().back(), std::string("山田太郎|ヤマダ|45|1|1|100|060|0001|札幌市|||"));
        QCOMPARE(listed()[2], QStringLiteral("山田太郎|ヤマダ|45|男|無効"));
    }

    void answeringNoChangesNothing()
    {
        test::clickCell(grid(), 2, 0);
        field(QStringLiteral("氏名カナ"))->setText(QStringLiteral("ヤマダ"));
        press(QStringLiteral("B確定"), false);
        press(QStringLiteral("B削除"), false);
        QCOMPARE(test::shownBoxes(*m_boxes), (QStringList{kConfirmSave, kConfirmDelete}));
        QCOMPARE(memberRows().back(),
                 std::string("山田太郎|ヤマダタロウ|45|1|0|100|060|0001|札幌市|||"));
    }

    void deletingTheNamedMember()
    {
        test::clickCell(grid(), 2, 0);
        press(QStringLiteral("B削除"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{kConfirmDelete, box("warning", "会員は削除されました。")}));
        QCOMPARE(listed().size(), 2);
        QCOMPARE(memberRows().size(), std::size_t{1});

        m_boxes->clear();
        press(QStringLiteral("B削除"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{kConfirmDelete,
                              box("warning",
                                  "選択した会員の情報が取り出せません、会員名を確認して下さい")}));
    }

    void aMemberWithFeeDetailIsKept()
    {
        {
            Database database = Database::open(m_folder->location());
            test::enterDetail(database, "26/04/05", "1", "10300", "佐藤花子");
        }
        test::clickCell(grid(), 1, 0);
        press(QStringLiteral("B削除"));
        QCOMPARE(test::shownBoxes(*m_boxes),
                 (QStringList{kConfirmDelete,
                              box("warning", "会費の明細に記録がある会員のため削除できません、"
                                             "チェック表から外す場合は「無効」にしてください")}));
        QCOMPARE(memberRows().size(), std::size_t{2});
    }

    void clearEmptiesTheEntryButKeepsOrderSexAndActive()
    {
        test::clickCell(grid(), 1, 0);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("Bクリア")), Qt::LeftButton);
        for (const char* name :
             {"氏名", "氏名カナ", "郵便番号1", "郵便番号2", "住所1", "住所2", "電話番号", "備考"}) {
            QVERIFY2(field(QString::fromUtf8(name))->text().isEmpty(), name);
        }
        QCOMPARE(age()->currentText(), QStringLiteral("0"));
        QCOMPARE(field(QStringLiteral("出力順"))->text(), QStringLiteral("5"));
        QVERIFY(option(QStringLiteral("R女性"))->isChecked());
        QVERIFY(option(QStringLiteral("R無効"))->isChecked());
    }

    // Leaving a field runs its own check: colours change and blank numbers settle, no message.
    void leavingAFieldChecksIt()
    {
        test::leave(field(QStringLiteral("氏名")));
        QCOMPARE(test::fieldColour(field(QStringLiteral("氏名"))), kRed);
        field(QStringLiteral("氏名"))->setText(QStringLiteral("山田"));
        test::leave(field(QStringLiteral("氏名")));
        QCOMPARE(test::fieldColour(field(QStringLiteral("氏名"))), kBlack);

        test::leave(age());
        QCOMPARE(age()->currentText(), QStringLiteral("0"));
        QCOMPARE(field(QStringLiteral("出力順"))->text(), QString());
        age()->setEditText(QStringLiteral("百"));
        test::leave(age());
        QCOMPARE(test::fieldColour(age()), kRed);

        field(QStringLiteral("郵便番号2"))->setText(QStringLiteral("0001"));
        test::leave(field(QStringLiteral("郵便番号2")));
        QCOMPARE(test::fieldColour(field(QStringLiteral("郵便番号1"))), kRed);
        QCOMPARE(test::fieldColour(field(QStringLiteral("郵便番号2"))), kBlack);

        test::leave(field(QStringLiteral("出力順")));
        QCOMPARE(field(QStringLiteral("出力順"))->text(), QStringLiteral("100"));
        QCOMPARE(test::fieldColour(field(QStringLiteral("氏名カナ"))), kBlack);
        QVERIFY(m_boxes->shown().isEmpty());
    }

    void quitClosesTheScreen()
    {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("B終了")), Qt::LeftButton);
        QVERIFY(!m_screen->isVisible());
    }
};

QTEST_MAIN(MemberScreenTest)
#include "MemberScreenTest.moc"
