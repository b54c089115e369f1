#include "output/OutputFile.h"
#include "output/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using namespace zoruka;

const std::string kCannotWrite = "出力ﾌｧｲﾙへの書込みが出来ません、";

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

    EXPECT_EQ(result, kCannotWrite + "ファイルが大きすぎます");
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
    EXPECT_EQ(writeOutputFile(locked.string(), "new"), kCannotWrite + "書き込む権限がありません");
    EXPECT_EQ(readFile(locked), "kept");

    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    EXPECT_EQ(writeOutputFile((folder / "new.csv").string(), "new"),
              kCannotWrite + "書き込む権限がありません");
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"locked.csv"});
}

// What stands at the target decides: a regular file is replaced, a link writes the file it
// leads to, and anything else is refused as it is.
TEST(OutputFile, OnlyRegularFilesAreReplacedAndLinksAreWrittenThrough)
{
    const TempFolder folder;
    writeFile(folder / "real.csv", "old");
    std::filesystem::create_symlink("real.csv", folder / "link.csv");
    std::filesystem::create_symlink(folder / "new.csv", folder / "dangling.csv");
    ASSERT_EQ(mkfifo((folder / "fifo.csv").c_str(), 0644), 0);
    std::filesystem::create_directory(folder / "folder.csv");
    std::filesystem::create_symlink("loop.csv", folder / "loop.csv");

    EXPECT_EQ(writeOutputFile((folder / "link.csv").string(), "through"), std::nullopt);
    EXPECT_EQ(readFile(folder / "real.csv"), "through");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.csv"));
    EXPECT_EQ(writeOutputFile((folder / "dangling.csv").string(), "made"), std::nullopt);
    EXPECT_EQ(readFile(folder / "new.csv"), "made");

    EXPECT_EQ(writeOutputFile((folder / "fifo.csv").string(), "x"),
              kCannotWrite + "通常のファイルではありません");
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo.csv"));
    EXPECT_EQ(writeOutputFile((folder / "folder.csv").string(), "x"),
              kCannotWrite + "同じ名前のフォルダがあります");
    EXPECT_EQ(writeOutputFile((folder / "loop.csv").string(), "x").value_or("").rfind(kCannotWrite),
              0u);
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"dangling.csv", "fifo.csv", "folder.csv", "link.csv",
                                        "loop.csv", "new.csv", "real.csv"}));
}

// A device node (the one behind /dev/full) made in the test's own folder, so that a writer that
// replaced it would harm nothing; where nodes cannot be made, the test is skipped.
TEST(OutputFile, ADeviceNodeIsRefusedAndStaysADevice)
{
    const TempFolder folder;
    const auto device = folder / "full.csv";
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "device nodes cannot be made here";
    }
    EXPECT_EQ(writeOutputFile(device.string(), "x"), kCannotWrite + "通常のファイルではありません");
    EXPECT_TRUE(std::filesystem::is_character_file(device));
}

// The temporary name does not grow with the target's, so the longest legal name can be written.
TEST(OutputFile, TheLongestLegalNameIsWritten)
{
    const TempFolder folder;
    const std::string name = std::string(251, 'a') + ".csv";
    ASSERT_EQ(name.size(), 255u);
    EXPECT_EQ(writeOutputFile((folder / name).string(), "long"), std::nullopt);
    EXPECT_EQ(readFile(folder / name), "long");
    EXPECT_EQ(writeOutputFile((folder / (name + "x")).string(), "x"),
              kCannotWrite + "名前が長すぎます");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{name});
}

TEST(OutputFile, SeveralFilesAreWrittenAllOrNone)
{
    const TempFolder folder;
    writeFile(folder / "a.csv", "old a");
    writeFile(folder / "b.csv", "old b");
    EXPECT_EQ(writeOutputFiles({{(folder / "a.csv").string(), "new a"},
                                {(folder / "b.csv").string(), "new b"},
                                {(folder / "missing" / "c.csv").string(), "new c"}}),
              kCannotWrite + "フォルダが見つかりません");
    EXPECT_EQ(readFile(folder / "a.csv"), "old a");
    EXPECT_EQ(readFile(folder / "b.csv"), "old b");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.csv", "b.csv"}));

    EXPECT_EQ(writeOutputFiles(
                  {{(folder / "a.csv").string(), "new a"}, {(folder / "b.csv").string(), "new b"}}),
              std::nullopt);
    EXPECT_EQ(readFile(folder / "a.csv") + readFile(folder / "b.csv"), "new anew b");
}

} // namespace
