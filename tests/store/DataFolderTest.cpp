#include "StoreTestSupport.h"

#include "common/UserError.h"
#include "store/DataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace zoruka {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// A start in <temp>/start by a user whose home is <temp>/home.
class DataFolderTest : public testing::Test {
protected:
    DataFolderTest()
    {
        fs::create_directories(start());
        fs::create_directories(home());
    }
    ~DataFolderTest() override { fs::current_path(m_previous); }

    fs::path start() const { return m_temp.path() / "start"; }
    fs::path home() const { return m_temp.path() / "home"; }
    DataFolder choose(const DataFolderRequest& request) const
    {
        return DataFolder::choose(request, start(), home());
    }
    static std::string refusalOf(const DataFolder& folder)
    {
        try {
            folder.enter();
        } catch (const UserError& error) {
            return error.what();
        }
        return "(entered)";
    }

    TempFolder m_temp;
    fs::path m_previous = fs::current_path();
};

struct ChoiceCase {
    const char* name;
    std::optional<std::string> folder; // --folder
    bool home;                         // --home-folder
    bool startHoldsDatabase;
    const char* expected; // below the temporary folder
    bool created;
};

class DataFolderChoice : public DataFolderTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(DataFolderChoice, FollowsTheOptionsAndTheStartFolder)
{
    const ChoiceCase& c = GetParam();
    if (c.startHoldsDatabase) {
        test::writeFile(start() / "ゾルカv3.mdb", "");
    }
    const DataFolder chosen = choose({c.folder, c.home});
    EXPECT_EQ(chosen.path, m_temp.path() / c.expected);
    EXPECT_EQ(chosen.createWhenMissing, c.created);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, DataFolderChoice,
    testing::Values(
        ChoiceCase{"FromATerminal", {}, false, false, "start", false},
        ChoiceCase{"FromATerminalBesideADatabase", {}, false, true, "start", false},
        ChoiceCase{"FromTheMenu", {}, true, false, "home/ゾルカ", true},
        ChoiceCase{"FromTheMenuBesideADatabase", {}, true, true, "start", false},
        ChoiceCase{"WithARelativeFolder", "../club", false, false, "club", false},
        ChoiceCase{"WithAFolderEndingInASlash", "club/", false, false, "start/club", false},
        ChoiceCase{"WithAFolderBesideADatabase", "club", false, true, "start/club", false}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return info.param.name; });

TEST_F(DataFolderTest, AnAbsoluteFolderIsTakenAsItIs)
{
    EXPECT_EQ(choose({home(), false}).path, home());
}

TEST_F(DataFolderTest, TheMenuStartCreatesTheHomeFolderOnceAndStartsThere)
{
    const DataFolder folder = choose({{}, true});
    folder.enter();
    EXPECT_EQ(fs::current_path(), home() / "ゾルカ");
    test::writeFile(home() / "ゾルカ" / "ゾルカv3.mdb", "kept");

    fs::current_path(start());
    folder.enter();
    EXPECT_EQ(fs::current_path(), home() / "ゾルカ");
    EXPECT_EQ(test::fileBytes(home() / "ゾルカ" / "ゾルカv3.mdb"), "kept");
}

TEST_F(DataFolderTest, FoldersThatCannotBeUsedAreRefusedAndNothingIsMade)
{
    fs::current_path(start());
    const fs::path missing = start() / "無い";
    EXPECT_EQ(refusalOf({missing, false}),
              "フォルダ「" + missing.string() + "」が見つかりません。");
    EXPECT_FALSE(fs::exists(missing));

    test::writeFile(start() / "ファイル", "bytes");
    EXPECT_EQ(refusalOf({start() / "ファイル", true}),
              "「" + (start() / "ファイル").string() + "」はフォルダではないため使えません。");
    const fs::path under = start() / "ファイル" / "ゾルカ";
    EXPECT_EQ(refusalOf({under, true}),
              "フォルダ「" + under.string() + "」を作成できませんでした。");
    EXPECT_EQ(test::fileBytes(start() / "ファイル"), "bytes");
    EXPECT_EQ(fs::current_path(), start());

    const fs::path gone = start() / "消えた";
    fs::create_directories(gone);
    fs::current_path(gone);
    fs::remove(gone);
    EXPECT_THROW(DataFolder::startFolder(), UserError);
}

TEST_F(DataFolderTest, TheHomeIsHomeOrElseTheAccountsHomeDirectory)
{
    const char* saved = std::getenv("HOME");
    const std::string previous = saved ? saved : "";
    setenv("HOME", home().c_str(), 1);
    EXPECT_EQ(DataFolder::userHome(), home());
    setenv("HOME", "relative/home", 1);
    EXPECT_TRUE(DataFolder::userHome().is_absolute());
    saved ? setenv("HOME", previous.c_str(), 1) : unsetenv("HOME");
}

} // namespace
} // namespace zoruka
