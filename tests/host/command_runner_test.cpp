// The POSIX command runner against real processes: small fake tools written into a temporary
// program folder record their arguments, one per line after a "[label]" line.
#include "host/command_runner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/encoding.h"
#include "host/posix/process_spawn.h"
#include "tests/support/bounded_wait.h"
#include "tests/support/fake_tools.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using testing::CurrentDirectory;
using testing::InstallFakeTool;
using testing::ScopedEnvironment;
using testing::TempFolder;

std::string Lines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line + "\n";
    }
    return joined;
}

std::string Gb18030(const char* utf8) {
    return Text(utf8).bytes();
}

class CommandRunnerTest : public ::testing::Test {
protected:
    CommandRunnerTest() {
        InstallFakeTool(program_, "adb", "adb");
        InstallFakeTool(program_, "fastboot", "fastboot");
        program_.Write("notexec", "#!/bin/sh\n");
    }

    CommandResult Run(const Text& line, bool wait = true) { return runner_.Run(line, wait, 1); }
    std::string Record() const { return record_.Read("record.txt"); }
    void ClearRecord() const { fs::remove(record_ / "record.txt"); }

    TempFolder program_;  // the program folder and the current directory
    TempFolder home_;     // drive C:
    TempFolder record_;
    ScopedEnvironment path_{"PATH", "/usr/bin:/bin"};
    ScopedEnvironment homeVariable_{"HOME", home_.path().string()};
    ScopedEnvironment recordVariable_{testing::kFakeRecordVariable,
                                      (record_ / "record.txt").string()};
    CurrentDirectory current_{program_.path()};
    testing::BoundedWait wait_;
    CommandRunner runner_{program_.path(), &wait_};
};

// The lines that both interpreters share are in command_line_table_test.cpp; these are the
// built-in interpreter's own: POSIX programs and signals, drive paths made native, its messages.

TEST_F(CommandRunnerTest, OnlyExecutableFilesAreStarted) {
    fs::create_directory(program_ / "folder");
    for (const char* line : {"   ", "\"\"", "notexec", "folder", "D:\\tools\\adb"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(Run(line), (CommandResult{false, 0}));
    }
    EXPECT_EQ(Record(), "");
    EXPECT_EQ(Run("./adb x"), (CommandResult{true, 0}));
    EXPECT_EQ(Record(), "[adb]\nx\n");
}

TEST_F(CommandRunnerTest, AToolKilledByASignalGivesExitCode128PlusItsNumber) {
    EXPECT_EQ(Run("adb signal=TERM"), (CommandResult{true, 128 + 15}));
    EXPECT_EQ(Run("cmd /c adb signal=KILL"), (CommandResult{true, 128 + 9}));
}

TEST_F(CommandRunnerTest, DrivePathsInArgumentsBecomeNativePaths) {
    const std::string home = home_.path().string();
    struct Case {
        std::string tail;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {R"(push C:\Users\x.img Z:\tmp\a d:\x.img /sdcard/)",
         {"push", home + "/Users/x.img", "/tmp/a", R"(d:\x.img)", "/sdcard/"}},
        {R"(recovery\find5_twrp_recovery.img framework\framework-res.apk)",
         {"recovery/find5_twrp_recovery.img", "framework/framework-res.apk"}},
        {"push \"C:\\My Files\\刷机包.zip\" 刷机\\包.img /sdcard/中文/",
         {"push", home + "/My Files/刷机包.zip", "刷机/包.img", "/sdcard/中文/"}},
        {"push \"C:\\a&b c\\x.apk\" /sdcard/", {"push", home + "/a&b c/x.apk", "/sdcard/"}},
    };
    for (const Case& c : cases) {
        for (const std::string& line : {"adb " + c.tail, "cmd /c adb " + c.tail}) {
            SCOPED_TRACE(line);
            ClearRecord();
            EXPECT_EQ(Run(line.c_str()), (CommandResult{true, 0}));
            std::vector<std::string> expected{"[adb]"};
            expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
            EXPECT_EQ(Record(), Lines(expected));
        }
    }
}

TEST_F(CommandRunnerTest, MessagesAreThoseOfTheEnglishInterpreter) {
    Run("cmd /c nosuchtool > missing.txt 2>&1");
    EXPECT_EQ(program_.Read("missing.txt"),
              "'nosuchtool' is not recognized as an internal or external command,\r\n"
              "operable program or batch file.\r\n");
    Run("cmd /c del gone.img 2> del.txt");
    EXPECT_TRUE(program_.Read("del.txt").starts_with("Could Not Find "));
}

TEST_F(CommandRunnerTest, RedirectedOutputIsRewrittenInTheProgramEncoding) {
    // Only what the command added is converted; bytes that are no UTF-8 pass unchanged.
    program_.Write("log.txt", "caf\xC3\xA9\n");
    EXPECT_EQ(Run("cmd /c adb out=刷机 bad >> log.txt"), (CommandResult{true, 0}));
    EXPECT_EQ(program_.Read("log.txt"), "caf\xC3\xA9\n" + Gb18030("刷机") + "\n\xFF\n");

    Run("cmd /c adb out=中文 err=错误 > log2.txt 2>&1");
    EXPECT_EQ(program_.Read("log2.txt"), Gb18030("中文") + "\n" + Gb18030("错误") + "\n");
}

TEST_F(CommandRunnerTest, CopyReachesDrivePathsAndBatchFilesEchoNothing) {
    home_.Write("src/twrp.img", "image");
    fs::create_directory(home_ / "dst");
    EXPECT_EQ(Run("cmd /c copy /y C:\\src\\twrp.img C:\\dst > copy.txt"), (CommandResult{true, 0}));
    EXPECT_EQ(home_.Read("dst/twrp.img"), "image");
    EXPECT_EQ(program_.Read("copy.txt"), "        1 file(s) copied.\r\n");
    EXPECT_EQ(Run("cmd /c copy /y C:\\src\\gone.img C:\\dst"),
              (CommandResult{true, 1,
                             "The system cannot find the file specified.\r\n"
                             "        0 file(s) copied.\r\n"}));

    program_.Write("syspush.bat", "copy C:\\src\\twrp.img b.img\nfastboot exit=3\n");
    EXPECT_EQ(Run("cmd /c syspush.bat > bat.txt"), (CommandResult{true, 3}));
    EXPECT_EQ(program_.Read("b.img"), "image");
    EXPECT_EQ(program_.Read("bat.txt"), "        1 file(s) copied.\r\n");
}

TEST_F(CommandRunnerTest, ChildrenGetAnEmptyInputAndNoOtherDescriptorOfOurs) {
    const int fd = open("/dev/null", O_RDONLY);  // deliberately without close-on-exec
    ASSERT_GE(fd, 3);
    if (fd > 9) {  // the shell keeps its script at 10 and above
        close(fd);
        GTEST_SKIP() << "no low descriptor free";
    }
    const std::string probe = "probe=" + std::to_string(fd);
    Run(("adb " + probe).c_str());
    Run(("cmd /c adb " + probe + " > log.txt").c_str());
    close(fd);
    EXPECT_EQ(Record(), Lines({"[adb]", probe, "fd=closed", "stdin=empty", "[adb]", probe,
                               "fd=closed", "stdin=empty"}));
}

TEST_F(CommandRunnerTest, WaitsForTheToolToEndNotForItsOutputToClose) {
    // Like "adb start-server": the tool leaves a child behind that holds its output.
    const fs::path fifo = record_ / "release";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    testing::BoundedWait wait;
    CommandRunner runner(program_.path(), &wait);
    const std::string line = "cmd /c adb kill-server&adb daemon=" + fifo.string() + " > log.txt";
    EXPECT_EQ(runner.Run(line.c_str(), true, 1), (CommandResult{true, 0}));
    EXPECT_EQ(wait.calls, 2);
    // The child is still there: it opens the fifo, and closing it lets the child end.
    close(open(fifo.c_str(), O_WRONLY));
}

TEST_F(CommandRunnerTest, WithoutWaitReturnsOnceStarted) {
    const fs::path fifo = record_ / "release";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run(("adb block=" + fifo.string()).c_str(), false), (CommandResult{true, 0}));
    close(open(fifo.c_str(), O_WRONLY));  // returns once the tool is waiting on it
}

TEST(ToolEnvironmentTest, ToolsGetAUtf8CharacterTypeWhereTheLocaleInForceHasNone) {
    // The locale that our variables put in force, as the C library finds it installed.
    const struct {
        const char* all;
        const char* type;
        const char* lang;
        bool utf8;
    } cases[] = {
        {"", "", "C.UTF-8", true},
        {"C.UTF-8", "", "C", true},
        {"C", "", "C.UTF-8", false},
        {"POSIX", "", "", false},
        {"", "C", "C.UTF-8", false},
        {"", "", "zz_ZZ.UTF-8", false},  // named UTF-8, not installed
        {"", "C.UTF-8", "zz_ZZ.UTF-8", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.all << " " << c.type << " " << c.lang);
        const ScopedEnvironment all{"LC_ALL", c.all};
        const ScopedEnvironment type{"LC_CTYPE", c.type};
        const ScopedEnvironment lang{"LANG", c.lang};
        EXPECT_EQ(posix::TakesUtf8CharacterType(), c.utf8);
    }
    using Environment = std::vector<std::string>;
    EXPECT_EQ(posix::ToolEnvironment({"LC_ALL=POSIX", "LANG=zz_ZZ.UTF-8", "PATH=/bin"}, false),
              (Environment{"LANG=zz_ZZ.UTF-8", "PATH=/bin", "LC_ALL=C.UTF-8"}));
    EXPECT_EQ(posix::ToolEnvironment({"LANG=C.UTF-8"}, true), (Environment{"LANG=C.UTF-8"}));
}

}  // namespace
}  // namespace tarnwick
