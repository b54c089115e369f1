// zoruka-cli with name lists: the same names in the JSON, the grid, the CSV file and the print
// layout of every kind, and every bad list refused before anything is written.
#include "cli/CliRun.h"
#include "matchtable/NumberedNames.h"
#include "output/PrintOperationsJson.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using namespace zoruka;

using test::CliRun;

class CommandLineNames : public testing::Test {
protected:
    // A "PDF" file here holds the print operations of its documents.
    static CliRun run(const std::vector<std::string>& args)
    {
        return test::runCli(args, [](const std::vector<PrintDocument>& documents) {
            return printOperationsJson(documents);
        });
    }

    // A name list file of `names`, one a line.
    std::string list(const std::string& file, const std::vector<std::string>& names)
    {
        std::string text;
        for (const std::string& name : names) {
            text += name + "\n";
        }
        writeFile(m_folder / file, text);
        return (m_folder / file).string();
    }

    std::string path(const std::string& file) const { return (m_folder / file).string(); }

    TempFolder m_folder;
};

struct KindCase {
    const char* name;
    std::vector<std::string> counts;
    std::vector<std::pair<std::string, std::string>> lists; // option, JSON key
    std::vector<int> sizes;
};

class CommandLineNamesKinds : public CommandLineNames,
                              public testing::WithParamInterface<KindCase> {};

TEST_P(CommandLineNamesKinds, JsonAndGridCarryTheNames)
{
    std::vector<std::string> args = GetParam().counts;
    std::vector<std::vector<std::string>> lists;
    for (std::size_t i = 0; i < GetParam().lists.size(); ++i) {
        lists.push_back(test::numberedNames(i == 0 ? "甲" : "乙", GetParam().sizes[i]));
        args.push_back(GetParam().lists[i].first);
        args.push_back(list("list" + std::to_string(i), lists.back()));
    }
    const CliRun json = run(args);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        EXPECT_EQ(parsed["names"][GetParam().lists[i].second], lists[i]);
    }
    EXPECT_FALSE(parsed["games"].empty());

    args.insert(args.end(), {"--format", "text"});
    const CliRun text = run(args);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("甲1"), std::string::npos) << text.out;

    // The printed sheets carry the legend, the players' sheets the names.
    args.insert(args.end(), {"--pdf", path("sheets.pdf"), "--player-sheets", path("players.pdf")});
    ASSERT_EQ(run(args).exitCode, 0);
    for (const char* pdf : {"sheets.pdf", "players.pdf"}) {
        for (std::size_t i = 0; i < lists.size(); ++i) {
            EXPECT_NE(readFile(m_folder / pdf).find("\"text\":\"" + lists[i].back() + "\""),
                      std::string::npos)
                << pdf << " " << lists[i].back();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, CommandLineNamesKinds,
    testing::Values(KindCase{"Doubles",
                             {"doubles", "--participants=9", "--courts=2", "--games=3"},
                             {{"--names", "participants"}},
                             {9}},
                    KindCase{"Mixed",
                             {"mixed", "--men=5", "--women=4", "--courts=2", "--games=3"},
                             {{"--men-names", "men"}, {"--women-names", "women"}},
                             {5, 4}},
                    KindCase{"Team",
                             {"team", "--a-size=5", "--b-size=6", "--courts=2", "--games=3"},
                             {{"--a-names", "a"}, {"--b-names", "b"}},
                             {5, 6}},
                    KindCase{"Fixed",
                             {"fixed", "--a-pairs=3", "--b-pairs=4", "--courts=2", "--games=3"},
                             {{"--a-names", "a"}, {"--b-names", "b"}},
                             {3, 4}}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST_F(CommandLineNames, CsvCarriesTheNamesAndWithoutNamesNothingChanges)
{
    const std::vector<std::string> counts = {"mixed",      "--men=4",   "--women=4",
                                             "--courts=2", "--games=2", "--encoding=utf8"};
    std::vector<std::string> plain = counts;
    plain.insert(plain.end(), {"--csv", path("plain.csv")});
    ASSERT_EQ(run(plain).exitCode, 0);
    std::vector<std::string> named = counts;
    named.insert(named.end(), {"--csv", path("named.csv"), "--men-names",
                               list("men", {"山田", "佐藤", "田中", "高橋"})});
    ASSERT_EQ(run(named).exitCode, 0);
    const std::string withNames = readFile(m_folder / "named.csv");
    // The women have no names: their name fields stay empty and the roster lists only the men.
    EXPECT_NE(withNames.find("\"第  1 試合\",\" 1\",\" 1\",\" 1-A\",\"山田\",\"\"\r\n"),
              std::string::npos);
    EXPECT_EQ(withNames.find("\"女\","), std::string::npos);
    EXPECT_NE(withNames.find("\"男\",\" 4\",\"高橋\"\r\n"), std::string::npos);
    EXPECT_GT(withNames.size(), readFile(m_folder / "plain.csv").size());
}

struct BadCase {
    const char* name;
    std::string text; // the file's bytes; empty name: no such file
    std::string message;
};

class BadNameFiles : public CommandLineNames, public testing::WithParamInterface<BadCase> {};

TEST_P(BadNameFiles, AreRefusedAndNothingIsWritten)
{
    std::string names = path("missing.txt");
    if (std::string(GetParam().name) == "Folder") {
        std::filesystem::create_directory(m_folder / "folder");
        names = path("folder");
    } else if (std::string(GetParam().name) != "Missing") {
        writeFile(m_folder / "names.txt", GetParam().text);
        names = path("names.txt");
    }
    const CliRun r = run({"doubles", "--participants=5", "--courts=1", "--games=2", "--names",
                          names, "--csv", path("t.csv"), "--print-ops", path("t.ops")});
    EXPECT_EQ(r.exitCode, 2);
    std::string message = GetParam().message;
    if (const auto at = message.find("PATH"); at != std::string::npos) {
        message.replace(at, 4, names);
    }
    EXPECT_EQ(r.err, message + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "t.csv"));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "t.ops"));
}

INSTANTIATE_TEST_SUITE_P(
    Doubles, BadNameFiles,
    testing::Values(
        BadCase{"Empty", "", "参加者の名前は5人分必要です（0人分あります）"},
        BadCase{"TooFew", "一\n二\n三\n四\n", "参加者の名前は5人分必要です（4人分あります）"},
        BadCase{"TooMany", "一\n二\n三\n四\n五\n六\n",
                "参加者の名前は5人分必要です（6人分あります）"},
        BadCase{"BlankLine", "一\n\n三\n四\n五\n", "参加者の2番の名前が空です"},
        BadCase{"Duplicate", "一\n二\n三\n二\n五\n",
                "名前「二」が参加者の2番と参加者の4番に重複しています"},
        BadCase{"ThousandCharacters", "一\n二\n" + std::string(1000, 'x') + "\n四\n五\n",
                "参加者の3番の名前が長すぎます（40文字まで）"},
        BadCase{"ControlCharacter", "一\n二\n三\n四\n五\x07\n",
                "参加者の5番の名前に制御文字が含まれています"},
        BadCase{"ShiftJis", "\x88\xEA\n\x93\xF1\n\x8E\x4F\n\x8E\x6C\n\x8C\xDC\n",
                "参加者の1番の名前がUTF-8の文字ではありません"},
        BadCase{"TooLarge", std::string(2 << 20, 'x'),
                "--names の名前のファイル「PATH」が大きすぎます。"},
        BadCase{"Missing", "", "--names の名前のファイル「PATH」を読み込めません。"},
        BadCase{"Folder", "", "--names の名前のファイル「PATH」を読み込めません。"}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

TEST_F(CommandLineNames, ARebuiltTableKeepsTheNamesOfThoseWhoStay)
{
    const std::vector<std::string> names = test::numberedNames("甲", 12);
    const CliRun first = run({"doubles", "--participants=12", "--courts=2", "--games=6", "--names",
                              list("names", names)});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    writeFile(m_folder / "first.json", first.out);
    const std::vector<std::string> rebuild = {"doubles",   "--participants=14", "--courts=2",
                                              "--games=8", "--from-game=4",     "--leaving=3"};
    std::vector<std::string> args = rebuild;
    args.push_back("--previous=" + path("first.json"));
    const CliRun second = run(args);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    std::vector<std::string> carried = names;
    carried.insert(carried.end(), {"", ""}); // the newcomers have no names yet
    EXPECT_EQ(nlohmann::json::parse(second.out)["names"]["participants"], carried);

    // Rebuilt again from that table, the newcomers still go by their numbers.
    writeFile(m_folder / "second.json", second.out);
    args = rebuild;
    args.insert(args.end(), {"--previous=" + path("second.json"), "--format=text"});
    const CliRun third = run(args);
    ASSERT_EQ(third.exitCode, 0) << third.err;
    EXPECT_NE(third.out.find("甲12"), std::string::npos);

    // Names no table could show make the previous table unusable.
    std::string tampered = first.out;
    const std::string secondName = "甲2\"";
    tampered.replace(tampered.find(secondName), secondName.size(), "甲\\u0007\"");
    writeFile(m_folder / "tampered.json", tampered);
    args = rebuild;
    args.push_back("--previous=" + path("tampered.json"));
    EXPECT_EQ(run(args).err, "前のゾルカを読み込めません: " + path("tampered.json") +
                                 "（参加者の2番の名前に制御文字が含まれています）\n");
}

TEST_F(CommandLineNames, ANameShiftJisLacksRefusesTheCsvFile)
{
    const CliRun r = run({"doubles", "--participants=4", "--courts=1", "--games=1", "--names",
                          list("names", {"𠮷田", "佐藤", "鈴木", "高橋"}), "--csv", path("t.csv")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(
        r.err,
        "「𠮷」はShift_JISで表せない文字のため出力できません。文字コードにUTF-8を選んでください\n");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "t.csv"));
}

TEST_F(CommandLineNames, NameOptionsBelongToTheirKind)
{
    const std::string names = list("names", test::numberedNames("甲", 9));
    EXPECT_EQ(run({"mixed", "--men=9", "--women=9", "--courts=2", "--games=1", "--names", names})
                  .exitCode,
              2);
    EXPECT_EQ(run({"doubles", "--participants=9", "--courts=2", "--games=1", "--a-names", names})
                  .exitCode,
              2);
}

} // namespace
