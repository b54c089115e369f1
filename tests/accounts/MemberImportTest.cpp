#include "accounts/AccountsTestSupport.h"

#include "accounts/csv/MemberImport.h"
#include "common/UserError.h"
#include "output/CsvLine.h"
#include "registers/MemberRegister.h"
#include "store/StoreError.h"

namespace zoruka {
namespace {

using namespace member_import;

const std::string kHeader = "氏名,氏名カナ,年齢,性別,無効,出力順,郵便番号1,郵便番号2\r\n";

class MemberImportTest : public test::AccountsTest {
protected:
    MemberImportTest()
    {
        MemberRegister(location())
            .save({"登録済", "トウロクズミ", "40", "2", true, "7", "", "", "大阪市", "", "06-0000",
                   "古い備考"});
    }

    std::vector<Member> registered() const { return MemberRegister(location()).list(); }

    ImportPlan plan(const std::string& csv, bool update)
    {
        return planMemberImport(parseMemberCsv(csv), registered(), update);
    }

    // Each row of the plan as "number:action:name:reason".
    static std::vector<std::string> outcomes(const ImportPlan& plan)
    {
        std::vector<std::string> lines;
        for (const ImportRow& row : plan.rows) {
            lines.push_back(std::to_string(row.number) + ":" +
                            std::to_string(static_cast<int>(row.action)) + ":" + row.member.name +
                            ":" + row.reason);
        }
        return lines;
    }
};

TEST_F(MemberImportTest, EveryRowIsAddedUpdatedSkippedOrRefusedWithItsReason)
{
    const std::string csv = kHeader + "山田太郎,やまだ たろう,３４,1,,10,123,4567\r\n" // 2 added
                                      ",ナナシ,0,1,0,100,,\r\n"                        // 3
                                      "佐藤,,0,2,0,100,,\r\n"                          // 4
                                      "鈴木,Suzuki,0,1,0,100,,\r\n"                    // 5
                                      "高橋,タカハシ,0,3,0,100,,\r\n"                  // 6
                                      "田中,タナカ,0,1,2,100,,\r\n"                    // 7
                                      "伊藤,イトウ,abc,1,0,100,,\r\n"                  // 8
                                      "渡辺,ワタナベ,0,2,0,100,,4567\r\n"              // 9
                                      "登録済,トウロクズミ,41,2,0,,,\r\n"              // 10
                                      " 山田太郎 ,ヤマダ,0,1,0,100,,\r\n"              // 11
                                      "中村,ﾅｶﾑﾗ・ゆう,0,2,1,,,\r\n";                  // 12 added
    const ImportPlan skipping = plan(csv, false);
    EXPECT_EQ(outcomes(skipping),
              (std::vector<std::string>{
                  "2:0:山田太郎:", "3:3::氏名がありません", "4:3:佐藤:氏名カナがありません",
                  "5:3:鈴木:氏名カナはかなで入力してください",
                  "6:3:高橋:性別は1（男性）か2（女性）で入力してください",
                  "7:3:田中:無効は0か1で入力してください",
                  "8:3:伊藤:年齢を正しく選択又は入力してください",
                  "9:3:渡辺:郵便番号1が未入力です、郵便番号2単独の入力は不可です",
                  "10:2:登録済:登録済みの氏名です", "11:3:山田太郎:同じ氏名が上の行にあります",
                  "12:0:中村:"}));
    EXPECT_EQ(skipping.summary(), "追加 2件　更新 0件　スキップ 1件　不可 8件");
    EXPECT_EQ(skipping.rows[0].member, (Member{"山田太郎", "やまだ たろう", "34", "1", false, "10",
                                               "123", "4567", "", "", "", ""}));
    EXPECT_EQ(skipping.rows.back().member.order, "100");
    EXPECT_TRUE(skipping.rows.back().member.excluded);

    const ImportPlan updating = plan(csv, true);
    EXPECT_EQ(outcomes(updating)[8], "10:1:登録済:");
    EXPECT_EQ(updating.summary(), "追加 2件　更新 1件　スキップ 0件　不可 8件");

    const std::vector<std::string> grid = test::filledRows(memberImportGrid(updating));
    EXPECT_EQ(grid[0], "行|氏名|氏名カナ|性別|処理|理由");
    EXPECT_EQ(grid[1], "2|山田太郎|やまだ たろう|男|追加|");
    EXPECT_EQ(grid[5], "6|高橋|タカハシ||不可|性別は1（男性）か2（女性）で入力してください");
    EXPECT_EQ(grid[9], "10|登録済|トウロクズミ|女|更新|");
    EXPECT_TRUE(memberImportGrid(updating).cell(5, 4).lightRed);
    EXPECT_FALSE(memberImportGrid(updating).cell(1, 4).lightRed);
}

// The register's export is a file the import takes whole: into an empty register every member
// comes back as registered.
TEST_F(MemberImportTest, TheExportedRegisterReadsBackAsItWas)
{
    MemberRegister(location())
        .save({"佐藤 花子", "ｻﾄｳ ﾊﾅｺ", "0", "2", false, "100", "123", "", "東京都, \"本町\"", "",
               "03-1234", "二行\nの備考"});
    const std::vector<Member> before = registered();
    for (const TextEncoding encoding : {TextEncoding::ShiftJis, TextEncoding::Utf8}) {
        const ImportPlan plan = planMemberImport(
            parseMemberCsv(encodeText(memberCsv(location()), encoding)), {}, false);
        ASSERT_EQ(plan.count(ImportAction::Add), 2) << plan.summary();
        std::vector<Member> members;
        for (const ImportRow& row : plan.rows) {
            members.push_back(row.member);
        }
        EXPECT_EQ(members, before);
    }
}

TEST_F(MemberImportTest, AnUpdateKeepsWhatTheFileHasNoColumnFor)
{
    importMembers(location(), plan("性別,氏名,連絡メモ\r\n1,登録済,無視される\r\n", true));
    EXPECT_EQ(registered(), (std::vector<Member>{{"登録済", "トウロクズミ", "40", "1", true, "7",
                                                  "", "", "大阪市", "", "06-0000", "古い備考"}}));
}

TEST_F(MemberImportTest, OneTransactionWritesAllOrNothing)
{
    const std::string csv = kHeader + "一郎,イチロウ,1,1,0,1,,\r\n"
                                      "二郎,ジロウ,2,1,0,2,,\r\n"
                                      "三郎,サブロウ,3,1,0,3,,\r\n";
    test::RawConnection(m_folder.databaseFile())
        .execute("CREATE TRIGGER no_third BEFORE INSERT ON 会員 WHEN NEW.会_氏名 = '三郎' "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END");
    const ImportPlan all = plan(csv, false);
    ASSERT_EQ(all.count(ImportAction::Add), 3);
    EXPECT_THROW(importMembers(location(), all), StoreError);
    EXPECT_EQ(registered().size(), 1u);

    test::RawConnection(m_folder.databaseFile()).execute("DROP TRIGGER no_third");
    importMembers(location(), all);
    EXPECT_EQ(registered().size(), 4u);
}

TEST_F(MemberImportTest, FilesAreReadInEitherEncodingAndUnreadableOnesChangeNothing)
{
    const std::string csv = "備考,氏名カナ,氏名,性別\r\n\"複数\r\n行\",ハナコ,花子,2\r\n";
    for (const TextEncoding encoding : {TextEncoding::ShiftJis, TextEncoding::Utf8}) {
        const std::string path = (m_folder.path() / "members.csv").string();
        test::writeFile(path, encodeText(csv, encoding));
        const MemberCsvFile file = readMemberCsvFile(path);
        EXPECT_EQ(file.encoding, encoding);
        ASSERT_EQ(file.rows.size(), 1u);
        EXPECT_EQ(file.rows[0].number, 2);
        EXPECT_EQ(file.rows[0].fields[0], "花子");
        EXPECT_EQ(file.rows[0].fields[11], "複数\r\n行");
    }
    const auto messageOf = [](const auto& read) {
        try {
            read();
        } catch (const UserError& error) {
            return std::string(error.what());
        }
        return std::string("(read)");
    };
    EXPECT_EQ(messageOf([&] { readMemberCsvFile((m_folder.path() / "none.csv").string()); }),
              kCannotRead);
    EXPECT_EQ(messageOf([&] { readMemberCsvFile(m_folder.path().string()); }), kCannotRead);
    EXPECT_EQ(messageOf([] { parseMemberCsv("\x82\xA0\xFF\xFF"); }), kCannotRead);
    EXPECT_EQ(messageOf([] { parseMemberCsv("名前,カナ\r\n山田,ヤマダ\r\n"); }), kNoNameColumn);
    EXPECT_EQ(messageOf([] { parseMemberCsv(""); }), kNoNameColumn);
    EXPECT_EQ(registered().size(), 1u);
}

} // namespace
} // namespace zoruka
