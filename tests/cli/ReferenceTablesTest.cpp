// Every case of the independently computed reference tables, run through the command line
// exactly as a user would type it: same exit code, and byte for byte the same JSON line or the
// same message.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

struct ReferenceCase {
    std::string file;
    Json data;
};

std::vector<ReferenceCase> loadCases(const std::string& file)
{
    std::ifstream in(std::string(ZORUKA_TEST_DATA) + "/" + file);
    const Json all = Json::parse(in);
    std::vector<ReferenceCase> cases;
    for (const Json& c : all.at("cases")) {
        cases.push_back({file, c});
    }
    return cases;
}

std::string caseName(const testing::TestParamInfo<ReferenceCase>& info)
{
    std::string name;
    for (const Json& arg : info.param.data.at("argv")) {
        const std::string text = arg.get<std::string>();
        if (text.rfind("--", 0) != 0) {
            name += (name.empty() ? "" : "_") + text;
        }
    }
    return name;
}

class ReferenceTables : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceTables, CommandLineReproducesTheExpectedTable)
{
    const Json& c = GetParam().data;
    std::vector<std::string> args;
    for (const Json& arg : c.at("argv")) {
        args.push_back(arg.get<std::string>());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = zoruka::runCommandLine(args, out, err);

    ASSERT_EQ(exitCode, c.at("exit_code").get<int>()) << err.str();
    if (exitCode == 0) {
        EXPECT_EQ(out.str(), c.at("output").dump() + "\n");
        EXPECT_EQ(err.str(), "");
    } else {
        EXPECT_EQ(err.str(), c.at("stderr").get<std::string>() + "\n");
        EXPECT_EQ(out.str(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Doubles, ReferenceTables,
                         testing::ValuesIn(loadCases("reference-doubles.json")), caseName);
INSTANTIATE_TEST_SUITE_P(Mixed, ReferenceTables,
                         testing::ValuesIn(loadCases("reference-mixed.json")), caseName);
INSTANTIATE_TEST_SUITE_P(Team, ReferenceTables, testing::ValuesIn(loadCases("reference-team.json")),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Fixed, ReferenceTables,
                         testing::ValuesIn(loadCases("reference-fixed.json")), caseName);

} // namespace
