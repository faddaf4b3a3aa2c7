// The POSIX command runner against real processes: small fake tools written into a temporary
// program folder record their arguments, one per line after a "[label]" line.
#include "host/command_runner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "host/encoding.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using testing::CurrentDirectory;
using testing::ScopedEnvironment;
using testing::TempFolder;

// Records its label and arguments; some arguments also make it act:
// exit=N, out=TEXT (stdout), err=TEXT (stderr), bad (a byte that is no UTF-8, 0xFF, on stdout),
// signal=NAME, probe=FD (records whether FD is open and whether stdin is empty), daemon=FIFO
// (leaves a child behind that holds its output until FIFO is written), block=FIFO (waits for FIFO).
std::string FakeTool(const std::string& label, const fs::path& record) {
    return "#!/bin/sh\n"
           "record='" +
           record.string() +
           "'\n"
           "echo '[" +
           label +
           "]' >> \"$record\"\n"
           "code=0\n"
           "for a in \"$@\"; do\n"
           "  printf '%s\\n' \"$a\" >> \"$record\"\n"
           "  case \"$a\" in\n"
           "    exit=*) code=\"${a#exit=}\" ;;\n"
           "    out=*) printf '%s\\n' \"${a#out=}\" ;;\n"
           "    err=*) printf '%s\\n' \"${a#err=}\" >&2 ;;\n"
           "    bad) printf '\\377\\n' ;;\n"
           "    signal=*) kill -\"${a#signal=}\" $$ ;;\n"
           "    probe=*) if [ -e \"/dev/fd/${a#probe=}\" ]; then echo fd=open; "
           "else echo fd=closed; fi >> \"$record\"\n"
           "      if read -r line; then echo stdin=data; else echo stdin=empty; fi >> \"$record\" "
           ";;\n"
           "    daemon=*) ( read -r line < \"${a#daemon=}\" ) & ;;\n"
           "    block=*) read -r line < \"${a#block=}\" ;;\n"
           "  esac\n"
           "done\n"
           "exit $code\n";
}

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
        program_.Write("adb", FakeTool("adb", record_ / "record.txt"), true);
        program_.Write("fastboot", FakeTool("fastboot", record_ / "record.txt"), true);
        program_.Write("tools/adb", FakeTool("tools adb", record_ / "record.txt"), true);
        program_.Write("notexec", FakeTool("notexec", record_ / "record.txt"));
        onPath_.Write("adb", FakeTool("adb on PATH", record_ / "record.txt"), true);
        onPath_.Write("apktool", FakeTool("apktool on PATH", record_ / "record.txt"), true);
    }

    CommandResult Run(const Text& line, bool wait = true) { return runner_.Run(line, wait, 1); }
    std::string Record() const { return record_.Read("record.txt"); }
    void ClearRecord() const { fs::remove(record_ / "record.txt"); }
    // The program folder as a Z: drive path, as the program composes it.
    std::string ProgramFolderOnDriveZ() const {
        std::string path = "Z:" + program_.path().string();
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }

    TempFolder program_;  // the program folder and the current directory
    TempFolder onPath_;   // the first folder on PATH
    TempFolder home_;     // drive C:
    TempFolder record_;
    ScopedEnvironment path_{"PATH", onPath_.path().string() + ":/usr/bin:/bin"};
    ScopedEnvironment homeVariable_{"HOME", home_.path().string()};
    CurrentDirectory current_{program_.path()};
    CommandRunner runner_{program_.path()};
};

TEST_F(CommandRunnerTest, FindsProgramsInTheProgramFolderBeforePath) {
    struct Case {
        const char* line;
        std::string record;
    };
    const Case cases[] = {
        {"adb devices", "[adb]\ndevices\n"},         {"cmd /c adb devices", "[adb]\ndevices\n"},
        {"apktool d", "[apktool on PATH]\nd\n"},     {"cmd /c apktool b", "[apktool on PATH]\nb\n"},
        {"tools\\adb x", "[tools adb]\nx\n"},        {"./adb x", "[adb]\nx\n"},
        {"cmd /c tools\\adb y", "[tools adb]\ny\n"}, {"\"adb\" quoted", "[adb]\nquoted\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ClearRecord();
        EXPECT_EQ(Run(c.line), (CommandResult{true, 0}));
        EXPECT_EQ(Record(), c.record);
    }
}

TEST_F(CommandRunnerTest, LinesWhoseProgramCannotBeFoundAreNotStarted) {
    fs::create_directory(program_ / "folder");
    for (const char* line : {"", "   ", "\"\"", "nosuchtool x", "missing.bat", "notexec", "folder",
                             "C:\\nowhere\\adb", "D:\\tools\\adb"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(Run(line), (CommandResult{false, 0}));
    }
    EXPECT_EQ(Record(), "");
}

TEST_F(CommandRunnerTest, JoinedCommandsRunAsTheirOperatorsSayAndTheLastOneRunGivesTheExitCode) {
    struct Case {
        const char* line;
        CommandResult result;
        std::string record;
    };
    const Case cases[] = {
        {"cmd /c adb one exit=3&fastboot two&adb three exit=5",
         {true, 5},
         "[adb]\none\nexit=3\n[fastboot]\ntwo\n[adb]\nthree\nexit=5\n"},
        {"cmd /c adb one exit=3 & fastboot two",
         {true, 0},
         "[adb]\none\nexit=3\n[fastboot]\ntwo\n"},
        {"cmd /c adb one & nosuchtool x & adb two exit=2",
         {true, 2},
         "[adb]\none\n[adb]\ntwo\nexit=2\n"},
        {"cmd /c adb one&nosuchtool", {true, 9009}, "[adb]\none\n"},
        {"cmd /c \"adb one&adb two\"", {true, 0}, "[adb]\none\n[adb]\ntwo\n"},
        {"CMD /C adb x&", {true, 0}, "[adb]\nx\n"},
        {"cmd /c adb x >", {true, 1}, ""},  // a redirection without a file stops the whole line
        {"adb exit=7", {true, 7}, "[adb]\nexit=7\n"},
        {"adb signal=TERM", {true, 128 + 15}, "[adb]\nsignal=TERM\n"},
        {"cmd /c adb signal=KILL", {true, 128 + 9}, "[adb]\nsignal=KILL\n"},
        // "&&" runs the right side only after a success, "||" only after a failure.
        {"cmd /c adb exit=1||fastboot exit=4", {true, 4}, "[adb]\nexit=1\n[fastboot]\nexit=4\n"},
        {"cmd /c nosuchtool || fastboot x", {true, 0}, "[fastboot]\nx\n"},
        {"cmd /c nosuchtool&&adb x", {true, 9009}, ""},
        // "&&" binds tighter than "||", and "||" tighter than "&".
        {"cmd /c adb a||adb b&&adb c", {true, 0}, "[adb]\na\n"},
        {"cmd /c adb a exit=1||adb b exit=2&&adb c",
         {true, 2},
         "[adb]\na\nexit=1\n[adb]\nb\nexit=2\n"},
        {"cmd /c adb a&&adb b exit=1||adb c&fastboot d exit=6",
         {true, 6},
         "[adb]\na\n[adb]\nb\nexit=1\n[adb]\nc\n[fastboot]\nd\nexit=6\n"},
        // Inside quotes or after "^" the operators are plain characters.
        {"cmd /c adb \"/x||y&&z\" /a^&^&b^|^|c", {true, 0}, "[adb]\n/x||y&&z\n/a&&b||c\n"},
        // cmd refuses a line where "&&" or "||" lacks a side.
        {"cmd /c adb a&&", {true, 1}, ""},
        {"cmd /c || adb a", {true, 1}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ClearRecord();
        EXPECT_EQ(Run(c.line), c.result);
        EXPECT_EQ(Record(), c.record);
    }
}

TEST_F(CommandRunnerTest, ArgumentsAreSplitByWindowsRulesAndPathsMadeNative) {
    const std::string home = home_.path().string();
    struct Case {
        std::string tail;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"shell \"dd if=/dev/block/x of=/cache/bak_recovery.img\"",
         {"shell", "dd if=/dev/block/x of=/cache/bak_recovery.img"}},
        {"\ta  \t b ", {"a", "b"}},
        // 2n+1 backslashes and a quote; 2n and a quote; backslashes before no quote.
        {R"(/a\\\"b /c\\"d e" /f\\g)", {R"(/a\"b)", R"(/c\d e)", R"(/f\\g)"}},
        {R"("/say ""hi""" "" x)", {R"(/say "hi")", "", "x"}},
        {R"(push C:\Users\x.img Z:\tmp\a d:\x.img /sdcard/)",
         {"push", home + "/Users/x.img", "/tmp/a", R"(d:\x.img)", "/sdcard/"}},
        {R"(recovery\find5_twrp_recovery.img framework\framework-res.apk)",
         {"recovery/find5_twrp_recovery.img", "framework/framework-res.apk"}},
        {"push \"C:\\My Files\\刷机包.zip\" 刷机\\包.img /sdcard/中文/",
         {"push", home + "/My Files/刷机包.zip", "刷机/包.img", "/sdcard/中文/"}},
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

TEST_F(CommandRunnerTest, InterpreterQuotesAndCaretsKeepSpecialCharactersInArguments) {
    const std::string home = home_.path().string();
    struct Case {
        const char* line;
        std::vector<std::string> record;
    };
    const Case cases[] = {
        {"cmd /c adb push \"C:\\a&b c\\x.apk\" /sdcard/",
         {"[adb]", "push", home + "/a&b c/x.apk", "/sdcard/"}},
        {"cmd /c adb \"/x > y\" /a^&b ^\"/c", {"[adb]", "/x > y", "/a&b", "/c"}},
        {"cmd /c adb \"/2>&1\"", {"[adb]", "/2>&1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ClearRecord();
        EXPECT_EQ(Run(c.line), (CommandResult{true, 0}));
        EXPECT_EQ(Record(), Lines(c.record));
    }
}

TEST_F(CommandRunnerTest, RedirectionsSendOutputToFiles) {
    struct Case {
        const char* line;
        const char* file;
        std::string content;
    };
    const Case cases[] = {
        {"cmd /c adb out=first > log.txt", "log.txt", "first\n"},
        {"cmd /c adb out=second>log.txt", "log.txt", "second\n"},
        {"cmd /c adb out=third >>log.txt", "log.txt", "second\nthird\n"},
        {"cmd /c adb out=o err=e > all.txt 2>&1", "all.txt", "o\ne\n"},
        {"cmd /c adb out=o err=e 2>&1 1>out.txt", "out.txt", "o\n"},  // stderr: the old stdout
        {"cmd /c adb err=e 2> err.txt", "err.txt", "e\n"},
        {"cmd /c adb out=x2>digit.txt", "digit.txt", "x2\n"},  // a handle digit starts a word
        {"cmd /c adb err=again 2>> err.txt", "err.txt", "e\nagain\n"},
        {"cmd /c adb \"out=a > b\" > \"my log.txt\"", "my log.txt", "a > b\n"},
        {"cmd /c adb out=1 > twice.txt & adb out=2 >> twice.txt", "twice.txt", "1\n2\n"},
        {"cmd /c adb out=a exit=1 > or.txt||fastboot out=b>>or.txt", "or.txt", "a\nb\n"},
        {"cmd /c adb out=o err=e > and.txt 2>&1&&adb out=x>>and.txt", "and.txt", "o\ne\nx\n"},
        // A command that does not run does not open its files either.
        {"cmd /c adb out=kept > kept.txt||adb out=lost > kept.txt", "kept.txt", "kept\n"},
        {"cmd /c nosuchtool > missing.txt 2>&1", "missing.txt",
         "'nosuchtool' is not recognized as an internal or external command,\r\n"
         "operable program or batch file.\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Run(c.line);
        EXPECT_EQ(program_.Read(c.file), c.content);
    }
}

TEST_F(CommandRunnerTest, RedirectedOutputIsRewrittenInTheProgramEncoding) {
    // Only what the command added is converted; bytes that are no UTF-8 pass unchanged.
    program_.Write("log.txt", "caf\xC3\xA9\n");
    EXPECT_EQ(Run("cmd /c adb out=刷机 bad >> log.txt"), (CommandResult{true, 0}));
    EXPECT_EQ(program_.Read("log.txt"), "caf\xC3\xA9\n" + Gb18030("刷机") + "\n\xFF\n");

    Run("cmd /c adb out=中文 err=错误 > log2.txt 2>&1");
    EXPECT_EQ(program_.Read("log2.txt"), Gb18030("中文") + "\n" + Gb18030("错误") + "\n");
}

TEST_F(CommandRunnerTest, CopyRenameAndDeleteWorkLikeTheInterpreters) {
    home_.Write("src/twrp.img", "image");
    fs::create_directory(home_ / "dst");

    EXPECT_EQ(Run("cmd /c copy /y C:\\src\\twrp.img C:\\dst > copy.txt"), (CommandResult{true, 0}));
    EXPECT_EQ(home_.Read("dst/twrp.img"), "image");
    EXPECT_EQ(program_.Read("copy.txt"), "        1 file(s) copied.\r\n");

    home_.Write("dst/twrp.img", "older");
    EXPECT_EQ(Run("cmd /c copy C:\\src\\twrp.img C:\\dst\\twrp.img"), (CommandResult{true, 1}));
    EXPECT_EQ(home_.Read("dst/twrp.img"), "older");
    EXPECT_EQ(Run("cmd /c COPY /Y c:\\src\\twrp.img C:\\dst\\TWRP2.img"), (CommandResult{true, 0}));
    EXPECT_EQ(home_.Read("dst/TWRP2.img"), "image");
    EXPECT_EQ(Run("cmd /c copy /y C:\\src\\twrp.img C:\\src\\twrp.img"), (CommandResult{true, 1}));
    EXPECT_EQ(home_.Read("src/twrp.img"), "image");
    EXPECT_EQ(Run("cmd /c copy /y C:\\src\\gone.img C:\\dst"), (CommandResult{true, 1}));

    // The preset-image step of a recovery flash.
    program_.Write("recovery/find5_twrp_recovery.img", "twrp");
    const std::string folder = ProgramFolderOnDriveZ();
    const std::string line = "cmd /c copy /y " + folder + "\\recovery\\find5_twrp_recovery.img " +
                             folder + "&rename find5_twrp_recovery.img recovery.img";
    EXPECT_EQ(Run(line.c_str()), (CommandResult{true, 0}));
    EXPECT_EQ(program_.Read("recovery.img"), "twrp");
    EXPECT_FALSE(fs::exists(program_ / "find5_twrp_recovery.img"));
    EXPECT_EQ(program_.Read("recovery/find5_twrp_recovery.img"), "twrp");

    program_.Write("a.img", "A");
    program_.Write("b.img", "B");
    EXPECT_EQ(Run("cmd /c ren a.img b.img"), (CommandResult{true, 1}));
    EXPECT_EQ(program_.Read("a.img"), "A");
    EXPECT_EQ(program_.Read("b.img"), "B");
    EXPECT_EQ(Run("cmd /c rename gone.img c.img"), (CommandResult{true, 1}));
    EXPECT_EQ(Run("cmd /c RENAME b.img 刷机.img"), (CommandResult{true, 0}));
    EXPECT_EQ(program_.Read("刷机.img"), "B");

    EXPECT_EQ(Run("cmd /c del a.img gone.img 2> del.txt"), (CommandResult{true, 0}));
    EXPECT_FALSE(fs::exists(program_ / "a.img"));
    EXPECT_TRUE(program_.Read("del.txt").starts_with("Could Not Find "));
}

TEST_F(CommandRunnerTest, BatchFilesRunTheirLinesAndMayDeleteThemselves) {
    const std::string home = home_.path().string();
    program_.Write("NOpush.bat",
                   "adb shell \"mount -orw -text4 /dev/x /system\"\r\n"
                   "\r\n"
                   "adb push C:\\apps\\Foo.apk /system/app/Foo.apk\r\n"
                   "adb exit=4\r\n"
                   "del NOpush.bat\r\n");
    EXPECT_EQ(Run("NOpush.bat"), (CommandResult{true, 0}));
    EXPECT_EQ(Record(),
              Lines({"[adb]", "shell", "mount -orw -text4 /dev/x /system", "[adb]", "push",
                     home + "/apps/Foo.apk", "/system/app/Foo.apk", "[adb]", "exit=4"}));
    EXPECT_FALSE(fs::exists(program_ / "NOpush.bat"));

    // Inside a batch file copy overwrites without asking.
    program_.Write("a.img", "new");
    program_.Write("b.img", "old");
    program_.Write("syspush.bat", "copy a.img b.img\nfastboot exit=3\n");
    EXPECT_EQ(Run("syspush.bat"), (CommandResult{true, 3}));
    EXPECT_EQ(program_.Read("b.img"), "new");
    EXPECT_EQ(Run("cmd /c syspush.bat > bat.txt"), (CommandResult{true, 3}));
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

class CountingWait : public ProcessWait {
public:
    void Until(const std::function<bool()>& hasEnded) override {
        ++calls;
        while (!hasEnded()) {
            std::this_thread::yield();
        }
    }
    int calls = 0;
};

TEST_F(CommandRunnerTest, WaitsForTheToolToEndNotForItsOutputToClose) {
    // Like "adb start-server": the tool leaves a child behind that holds its output.
    const fs::path fifo = record_ / "release";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    CountingWait wait;
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

}  // namespace
}  // namespace tarnwick
