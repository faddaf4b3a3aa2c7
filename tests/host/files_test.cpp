// Whole-file operations: results instead of errors, truncation, parts back to back.
#include "host/files.h"

#include <gtest/gtest.h>

#include "host/paths.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::CurrentDirectory;
using testing::ScopedEnvironment;
using testing::TempFolder;

class Files : public ::testing::Test {
protected:
    TempFolder folder_;
    CurrentDirectory inFolder_{folder_.path()};
};

TEST_F(Files, WriteTruncatesAndPutsPartsBackToBack) {
    folder_.Write("command.txt", "an older and much longer content");
    const Bytes withZero("boot\0recovery", 13);
    EXPECT_TRUE(WriteWholeFile("command.txt", {withZero, "", "\r\n--wipe_data\n"}));
    EXPECT_EQ(folder_.Read("command.txt"), withZero + "\r\n--wipe_data\n");
    EXPECT_EQ(ReadWholeFile("command.txt"), withZero + "\r\n--wipe_data\n");
}

TEST_F(Files, EmptyAndUnwritablePathsFailWithoutTouchingAnything) {
    EXPECT_FALSE(WriteWholeFile("", {"x"}));
    EXPECT_FALSE(WriteWholeFile("no folder\\x.txt", {"x"}));
    EXPECT_FALSE(WriteWholeFile("Q:\\x.txt", {"x"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
}

TEST_F(Files, MissingEmptyAndFolderReadAsNothing) {
    folder_.Write("empty.txt", "");
    std::filesystem::create_directory(folder_ / "folder");
    EXPECT_EQ(ReadWholeFile("missing.txt"), "");
    EXPECT_EQ(ReadWholeFile("empty.txt"), "");
    EXPECT_EQ(ReadWholeFile("folder"), "");
    EXPECT_EQ(ReadWholeFile(""), "");
}

TEST_F(Files, DeleteTellsWhetherAFileWentAway) {
    folder_.Write("recovery.img", "image");
    std::filesystem::create_directory(folder_ / "recovery");
    EXPECT_TRUE(DeleteOneFile("recovery.img"));
    EXPECT_FALSE(DeleteOneFile("recovery.img"));
    EXPECT_FALSE(DeleteOneFile("recovery"));  // folders are not files
    EXPECT_TRUE(std::filesystem::exists(folder_ / "recovery"));
    EXPECT_FALSE(DeleteOneFile(""));
}

TEST_F(Files, ExistsOnlyForFiles) {
    folder_.Write("recovery.img", "image");
    folder_.Write("empty.img", "");
    std::filesystem::create_directory(folder_ / "recovery");
    EXPECT_TRUE(FileExists("recovery.img"));
    EXPECT_TRUE(FileExists("empty.img"));
    EXPECT_FALSE(FileExists("recovery"));
    EXPECT_FALSE(FileExists("missing.img"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("Q:\\recovery.img"));
}

#ifndef _WIN32  // links and names that differ only in case
TEST_F(Files, PathsTakenAndOneFileUnderTwoNames) {
    folder_.Write("real/recovery.img", "image");
    folder_.Write("real/Recovery.img", "other");
    std::filesystem::create_directory_symlink(folder_ / "real", folder_ / "link");
    std::filesystem::create_symlink(folder_ / "nothing", folder_ / "dangling");
    EXPECT_TRUE(PathExists("real"));
    EXPECT_TRUE(PathExists("dangling"));
    EXPECT_FALSE(PathExists("missing.img"));
    EXPECT_FALSE(PathExists(""));
    EXPECT_TRUE(SameFile("link\\recovery.img", "real\\recovery.img"));
    EXPECT_FALSE(SameFile("real\\Recovery.img", "real\\recovery.img"));
    EXPECT_FALSE(SameFile("missing.img", "missing.img"));
    EXPECT_FALSE(SameFile("", ""));
    EXPECT_TRUE(IsLink("link"));
    EXPECT_TRUE(IsLink("link\\"));  // still the link, not the folder behind it
    EXPECT_TRUE(IsLink("dangling"));
    EXPECT_FALSE(IsLink("real"));
    EXPECT_FALSE(IsLink("link\\recovery.img"));  // only reached through one
    EXPECT_FALSE(IsLink("missing.img"));
    EXPECT_FALSE(IsLink(""));
}
#endif

TEST_F(Files, DrivePathsAndChineseNamesReachTheirFolder) {
#ifdef _WIN32
    const Text file = ProgramPath(folder_.path()) + "\\备份\\恢复.img";
#else
    ScopedEnvironment home("HOME", folder_.path().string());
    const Text file = "C:\\备份\\恢复.img";
#endif
    const Text sameFile = "c" + RightText(file, TextLength(file) - 1);  // either case of drive
    EXPECT_FALSE(WriteWholeFile(file, {}));  // its folder does not exist yet
    std::filesystem::create_directory(folder_ / "备份");
    EXPECT_TRUE(WriteWholeFile(file, {"img"}));
    EXPECT_EQ(folder_.Read("备份/恢复.img"), "img");
    EXPECT_EQ(ReadWholeFile(sameFile), "img");
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(DeleteOneFile(file));
}

}  // namespace
}  // namespace tarnwick
