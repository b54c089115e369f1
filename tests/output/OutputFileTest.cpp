#include "output/OutputFile.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace zoruka;

constexpr std::string_view kCannotWrite = "出力ﾌｧｲﾙへの書込みが出来ません、ﾌｧｲﾙを閉じてください";

TEST(OutputFile, WritesANewFileAndReplacesAnOldOneLeavingNothingElse)
{
    const TempFolder folder;
    const auto path = folder / "table.csv";
    EXPECT_EQ(writeOutputFile(path.string(), "first, longer content"), std::nullopt);
    EXPECT_EQ(readFile(path), "first, longer content");
    EXPECT_EQ(writeOutputFile(path.string(), "second"), std::nullopt);
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"table.csv"});
}

TEST(OutputFile, ReplacedFileKeepsItsPermissions)
{
    const TempFolder folder;
    const auto path = folder / "shared.csv";
    writeFile(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(writeOutputFile(path.string(), "new"), std::nullopt);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// The disk filling up half-way is played by a file-size limit: the write fails part-way.
TEST(OutputFile, FailedWriteLeavesTheExistingFileAsItWas)
{
    const TempFolder folder;
    const auto path = folder / "table.csv";
    writeFile(path, "the table of last week");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = writeOutputFile(path.string(), std::string(64 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, kCannotWrite);
    EXPECT_EQ(readFile(path), "the table of last week");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"table.csv"});
}

TEST(OutputFile, ReadOnlyFolderOrFileIsNotWritten)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const TempFolder folder;
    const auto locked = folder / "locked.csv";
    writeFile(locked, "kept");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    EXPECT_EQ(writeOutputFile(locked.string(), "new"), kCannotWrite);
    EXPECT_EQ(readFile(locked), "kept");

    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    EXPECT_EQ(writeOutputFile((folder / "new.csv").string(), "new"), kCannotWrite);
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"locked.csv"});
}

} // namespace
