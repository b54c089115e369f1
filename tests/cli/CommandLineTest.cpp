#include "cli/CliRun.h"

#include <gtest/gtest.h>

namespace {

using zoruka::test::CliRun;

CliRun run(const std::vector<std::string>& args) { return zoruka::test::runCli(args); }

TEST(CommandLine, TextFormatPrintsTheGridAsTheScreenShowsIt)
{
    const CliRun r = run(
        {"doubles", "--participants", "9", "--courts", "2", "--games", "3", "--format", "text"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Game 2 plays 9,1..7: the court of player 9 comes first, his pair on side A.
    EXPECT_EQ(r.out, "コート   1コート           2コート\n"
                     "試合     A面      B面      A面      B面      休憩\n"
                     "第1試合  1-2      3-8      4-5      6-7      9\n"
                     "第2試合  9-7      1-3      2-5      4-6      8\n"
                     "第3試合  8-2      9-5      1-4      3-6      7\n");
}

TEST(CommandLine, CountsAreCheckedInScreenOrderWithTheScreensMessages)
{
    EXPECT_EQ(run({"doubles", "--participants", "x", "--courts", "y", "--games", "1"}).err,
              "参加人数を選択してください\n");
    EXPECT_EQ(run({"doubles", "--participants", "9", "--courts", "-1", "--games", "1"}).err,
              "使用するコート数を選択してください\n");
    EXPECT_EQ(run({"doubles", "--participants", "9", "--courts", "2", "--games", "51"}).err,
              "設定する試合数を選択してください\n");
    const CliRun missing = run({"doubles", "--participants", "9", "--courts", "2"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "設定する試合数を選択してください\n");
    EXPECT_EQ(missing.out, "");
}

TEST(CommandLine, UsageErrorsAreRefusedAndHelpExplains)
{
    EXPECT_EQ(run({}).exitCode, 2);
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--format json"), std::string::npos);
}

// The command line's own refusals are worded like every other message, name the option and
// point to the help text; nothing is written.
TEST(CommandLine, OwnRefusalsNameTheOptionInJapanese)
{
    const std::vector<std::string> doubles = {"doubles", "--participants=9", "--courts=2",
                                              "--games=1"};
    const std::vector<std::string> team = {"team", "--a-size=4", "--b-size=4", "--courts=1",
                                           "--games=1"};
    const auto with = [](std::vector<std::string> args, std::initializer_list<std::string> more) {
        args.insert(args.end(), more);
        return args;
    };
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"quadruples"}, "表の種類「quadruples」はありません（doubles、mixed、team、fixed）。"},
        {{"doubles", "--players", "9"}, "「--players」というオプションはありません。"},
        {{"doubles", "--participants"}, "オプション「--participants」の値がありません。"},
        {with(doubles, {"--format=xml"}), "--format の値「xml」は使えません（text か json）。"},
        {with(doubles, {"--encoding", "utf8"}), "--encoding は --csv と一緒に指定してください。"},
        {with(doubles, {"--csv", "t.csv", "--encoding", "latin1"}),
         "--encoding の値「latin1」は使えません（sjis か utf8）。"},
        {with(doubles, {"--seed", "3"}),
         "--seed は --random、--balanced か --from-game と一緒に指定してください。"},
        {with(doubles, {"--random", "--seed", "4294967296"}),
         "--seed には 0 から 4294967295 までの整数を指定してください（「4294967296」）。"},
        {with(team, {"--random"}), "team の表には --random がありません。"},
        {with(team, {"--csv", "t.csv"}), "team の表には --csv がありません。"},
        {with(doubles, {"--pdf", "t.pdf"}), "ここでは --pdf を使えません。"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun refused = run(args);
        EXPECT_EQ(refused.exitCode, 2) << message;
        EXPECT_EQ(refused.err, message + "使い方は「zoruka-cli --help」で表示されます。\n");
        EXPECT_EQ(refused.out, "");
    }
}

// An ideographic space, as a Japanese input method types it, is trimmed as the screens do.
TEST(CommandLine, CountsMayStandBetweenIdeographicSpaces)
{
    const CliRun r =
        run({"doubles", "--participants", "　９　", "--courts", "２　", "--games", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"kind\":\"doubles\",\"params\":{\"participants\":9,\"courts\":2", 0),
              0u);
}

TEST(CommandLine, EqualsFormOfOptionsIsAccepted)
{
    const CliRun r =
        run({"doubles", "--participants=8", "--courts=2", "--games=1", "--format=json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "{\"kind\":\"doubles\",\"params\":{\"participants\":8,\"courts\":2,"
                     "\"games\":1},\"games\":[{\"game\":1,\"slots\":[[1,2],[3,8],[4,5],[6,7]],"
                     "\"rests\":[]}]}\n");
}

} // namespace

namespace {

TEST(CommandLine, RandomTablesAreReproducibleBySeedAndKeepTheRests)
{
    const std::vector<std::string> args{"doubles", "--participants", "9", "--courts",
                                        "2",       "--games",        "5", "--random"};
    auto seeded = args;
    seeded.insert(seeded.end(), {"--seed", "77"});
    const CliRun first = run(seeded);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(run(seeded).out, first.out);
    // Same rotation as the deterministic table: game 1 rests 9, game 5 rests 5.
    EXPECT_NE(first.out.find("\"game\":1,"), std::string::npos);
    EXPECT_NE(first.out.find("\"rests\":[9]}"), std::string::npos);
    EXPECT_NE(first.out.find("\"rests\":[5]}]}"), std::string::npos);

    const CliRun mixed = run({"mixed", "--men", "4", "--women", "4", "--courts", "1", "--games",
                              "1", "--random", "--seed", "1"});
    EXPECT_EQ(mixed.out, "{\"kind\":\"mixed\",\"params\":{\"men\":4,\"women\":4,\"courts\":1,"
                         "\"games\":1},\"games\":[{\"game\":1,\"slots\":[[1,1],[2,2]],"
                         "\"rests_men\":[3,4],\"rests_women\":[3,4]}]}\n");
}

} // namespace
