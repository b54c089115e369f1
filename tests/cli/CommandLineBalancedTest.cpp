// The command line's balanced tables, fairness line and rebuilds from a table written as JSON.
#include "cli/CliRun.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace {

using namespace zoruka;
using Json = nlohmann::json;

using test::CliRun;

CliRun run(std::vector<std::string> args, const std::vector<std::string>& more = {})
{
    args.insert(args.end(), more.begin(), more.end());
    return test::runCli(args);
}

const std::vector<std::string> kDoubles{"doubles", "--participants", "12", "--courts",
                                        "2",       "--games",        "10"};

TEST(CommandLineBalanced, SameSeedSameTableEveryGameBuilt)
{
    const CliRun first = run(kDoubles, {"--balanced", "--seed", "5"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(run(kDoubles, {"--balanced", "--seed", "5"}).out, first.out);
    EXPECT_EQ(run(kDoubles, {"--balanced"}).out, run(kDoubles, {"--balanced", "--seed", "0"}).out);
    EXPECT_EQ(Json::parse(first.out).at("games").size(), 10u);
    // Without --balanced the exact table, which stays as it always was.
    EXPECT_NE(run(kDoubles).out, first.out);
}

TEST(CommandLineBalanced, StatsFollowTheTableAsTextOrJson)
{
    const CliRun text = run(kDoubles, {"--balanced", "--stats", "--format", "text"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("\n試合数 10/10（重複なしの上限 16）　ペアの重複 0　"),
              std::string::npos);

    // The exact rule stops 9 players on 2 courts after 7 of the 9 games possible.
    const CliRun json =
        run({"doubles", "--participants", "9", "--courts", "2", "--games", "9", "--stats"});
    const auto newline = json.out.find('\n');
    EXPECT_EQ(json.out.substr(newline + 1),
              "{\"stats\":{\"built\":7,\"asked\":9,\"bound\":9,\"repeats\":0,"
              "\"most_meetings\":3,\"meetings_floor\":2,\"rest_spread\":1}}\n");
}

TEST(CommandLineBalanced, RebuildKeepsTheFirstGamesOfThePreviousTable)
{
    TempFolder folder;
    const std::string previous = (folder / "previous.json").string();
    std::ofstream(previous) << run(kDoubles).out; // any mode
    const CliRun rebuilt = run({"doubles", "--participants", "14", "--courts", "2", "--games", "12",
                                "--from-game", "4", "--previous", previous, "--leaving", "5,9"});
    ASSERT_EQ(rebuilt.exitCode, 0) << rebuilt.err;
    const Json before = Json::parse(run(kDoubles).out);
    const Json after = Json::parse(rebuilt.out);
    ASSERT_EQ(after.at("games").size(), 12u);
    for (std::size_t game = 0; game < 3; ++game) {
        EXPECT_EQ(after.at("games")[game], before.at("games")[game]);
    }
    for (std::size_t game = 3; game < 12; ++game) {
        const std::string seen = after.at("games")[game].dump();
        EXPECT_EQ(seen.find("[5,"), std::string::npos);
        EXPECT_EQ(after.at("games")[game].at("rests").dump().find("9"), std::string::npos);
    }
}

TEST(CommandLineBalanced, OptionsThatDoNotGoTogetherAreRefusedInJapanese)
{
    const std::string kHelp = "使い方は「zoruka-cli --help」で表示されます。";
    TempFolder folder;
    const std::string previous = (folder / "previous.json").string();
    std::ofstream(previous) << run(kDoubles).out;
    const std::string other = (folder / "other.json").string();
    std::ofstream(other)
        << run({"team", "--a-size", "4", "--b-size", "4", "--courts", "1", "--games", "2"}).out;
    const std::string broken = (folder / "broken.json").string();
    std::ofstream(broken) << "{\"kind\":\"doubles\",\"games\":[";

    const std::vector<std::pair<std::vector<std::string>, std::string>> refusals{
        {{"--balanced", "--random"}, "--balanced と --random は一緒に指定できません。" + kHelp},
        {{"--mix-halves"},
         "--mix-halves は --balanced か --from-game と一緒に指定してください。" + kHelp},
        {{"--from-game", "3"}, "--from-game と --previous は一緒に指定してください。" + kHelp},
        {{"--leaving", "3"}, "--leaving は --from-game と一緒に指定してください。" + kHelp},
        {{"--seed", "3"},
         "--seed は --random、--balanced か --from-game と一緒に指定してください。" + kHelp},
        {{"--from-game", "12", "--previous", previous}, "変更する試合を選択してください"},
        {{"--from-game", "3", "--previous", previous, "--leaving", "13"},
         "抜ける人の番号を、参加人数までの数字をカンマで区切って入力してください"},
        {{"--from-game", "3", "--previous", other}, "前のゾルカは種類が違います: " + other},
        {{"--from-game", "3", "--previous", broken}, "前のゾルカを読み込めません: " + broken},
        {{"--from-game", "3", "--previous", previous + ".missing"},
         "前のゾルカを読み込めません: " + previous + ".missing"},
    };
    for (const auto& [options, message] : refusals) {
        const CliRun refused = run(kDoubles, options);
        EXPECT_EQ(refused.exitCode, 2) << message;
        EXPECT_EQ(refused.err, message + "\n");
        EXPECT_EQ(refused.out, "");
    }
    const CliRun courts = run({"doubles", "--participants", "12", "--courts", "1", "--games", "10",
                               "--from-game", "3", "--previous", previous});
    EXPECT_EQ(courts.err, "途中変更ではコート数は変えられません\n");
}

} // namespace
