// One table of command lines for both command interpreters: the built-in one that runs them
// outside Windows, and cmd.exe behind the Windows runner (Wine's, in CI). Each case starts in
// a fresh program folder with fake tools (fake_tools.h) and states the files before, the
// command line, the files after, the result and what the tools received.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/command_paths.h"
#include "host/command_runner.h"
#include "host/paths.h"
#include "tests/support/bounded_wait.h"
#include "tests/support/fake_tools.h"
#include "tests/support/wine.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using testing::CurrentDirectory;
using testing::InstallFakeTool;
using testing::ScopedEnvironment;
using testing::TempFolder;

// A file of the program folder and its content in UTF-8, written and compared in the program's
// encoding. Before: a name ending in "/" is a folder. After: content nullptr means absent.
struct File {
    const char* name;
    const char* content;
};

struct Outcome {
    std::vector<File> after;
    CommandResult result;  // started and exit code
    const char* record;
    const char* printed = nullptr;  // what came back unredirected; nullptr: not compared
};

struct Case {
    std::vector<File> before;
    const char* line;  // "{dir}" stands for the program folder's full path
    Outcome expected;
};

const std::string kOneCopied = "        1 file(s) copied.\r\n";

// How long a tool that waits for a device is given here; the tools that work longer than this
// work 1.5 s.
constexpr std::chrono::milliseconds kDeviceWaitLimitHere{1000};

const Case kCases[] = {
    // A program is looked up in the program folder first, then on PATH.
    {{}, "adb devices", {{}, {true, 0}, "[adb]\ndevices\n"}},
    {{}, "cmd /c adb devices", {{}, {true, 0}, "[adb]\ndevices\n"}},
    {{}, "apktool d", {{}, {true, 0}, "[apktool on PATH]\nd\n"}},
    {{}, "cmd /c apktool b", {{}, {true, 0}, "[apktool on PATH]\nb\n"}},
    {{}, "tools\\adb x", {{}, {true, 0}, "[tools adb]\nx\n"}},
    {{}, "cmd /c tools\\adb y", {{}, {true, 0}, "[tools adb]\ny\n"}},
    {{}, "\"adb\" quoted", {{}, {true, 0}, "[adb]\nquoted\n"}},
    // Lines whose program cannot be found are not started.
    {{}, "", {{}, {false, 0}, ""}},
    {{}, "nosuchtool x", {{}, {false, 0}, ""}},
    {{}, "missing.bat", {{}, {false, 0}, ""}},
    {{}, "C:\\nowhere\\adb", {{}, {false, 0}, ""}},
    // "&" runs the next command whatever the last one gave; the last one run gives the exit
    // code. "&&" runs the right side only after a success, "||" only after a failure.
    {{},
     "cmd /c adb one exit=3&fastboot two&adb three exit=5",
     {{}, {true, 5}, "[adb]\none\nexit=3\n[fastboot]\ntwo\n[adb]\nthree\nexit=5\n"}},
    {{},
     "cmd /c adb one exit=3 & fastboot two",
     {{}, {true, 0}, "[adb]\none\nexit=3\n[fastboot]\ntwo\n"}},
    {{},
     "cmd /c adb one & nosuchtool x & adb two exit=2",
     {{}, {true, 2}, "[adb]\none\n[adb]\ntwo\nexit=2\n"}},
    {{}, "cmd /c adb one&nosuchtool", {{}, {true, 9009}, "[adb]\none\n"}},
    {{}, "cmd /c \"adb one&adb two\"", {{}, {true, 0}, "[adb]\none\n[adb]\ntwo\n"}},
    {{}, "CMD /C adb x&", {{}, {true, 0}, "[adb]\nx\n"}},
    {{}, "cmd /c adb x >", {{}, {true, 1}, ""}},
    {{}, "adb exit=7", {{}, {true, 7}, "[adb]\nexit=7\n"}},
    {{},
     "cmd /c adb exit=1||fastboot exit=4",
     {{}, {true, 4}, "[adb]\nexit=1\n[fastboot]\nexit=4\n"}},
    {{}, "cmd /c nosuchtool || fastboot x", {{}, {true, 0}, "[fastboot]\nx\n"}},
    {{}, "cmd /c nosuchtool&&adb x", {{}, {true, 9009}, ""}},
    {{}, "cmd /c adb a||adb b&&adb c", {{}, {true, 0}, "[adb]\na\n"}},
    {{},
     "cmd /c adb a exit=1||adb b exit=2&&adb c",
     {{}, {true, 2}, "[adb]\na\nexit=1\n[adb]\nb\nexit=2\n"}},
    {{},
     "cmd /c adb a&&adb b exit=1||adb c&fastboot d exit=6",
     {{}, {true, 6}, "[adb]\na\n[adb]\nb\nexit=1\n[adb]\nc\n[fastboot]\nd\nexit=6\n"}},
    {{}, "cmd /c adb a&&", {{}, {true, 1}, ""}},
    {{}, "cmd /c || adb a", {{}, {true, 1}, ""}},
    // Arguments are split by the Windows rules; quotes and carets keep special characters.
    {{},
     "adb shell \"dd if=/dev/block/x of=/cache/bak_recovery.img\"",
     {{}, {true, 0}, "[adb]\nshell\ndd if=/dev/block/x of=/cache/bak_recovery.img\n"}},
    {{}, "adb \ta  \t b ", {{}, {true, 0}, "[adb]\na\nb\n"}},
    {{}, R"(adb /a\\\"b /c\\"d e" /f\\g)", {{}, {true, 0}, "[adb]\n/a\\\"b\n/c\\d e\n/f\\\\g\n"}},
    {{}, R"(adb "/say ""hi""" "" x)", {{}, {true, 0}, "[adb]\n/say \"hi\"\n\nx\n"}},
    {{},
     "adb push 刷机包.zip /sdcard/中文/",
     {{}, {true, 0}, "[adb]\npush\n刷机包.zip\n/sdcard/中文/\n"}},
    {{}, "cmd /c adb \"/x > y\" /a^&b ^\"/c", {{}, {true, 0}, "[adb]\n/x > y\n/a&b\n/c\n"}},
    {{}, "cmd /c adb \"/2>&1\" \"/a&b c/x.apk\"", {{}, {true, 0}, "[adb]\n/2>&1\n/a&b c/x.apk\n"}},
    {{}, "cmd /c adb \"/x||y&&z\" /a^&^&b^|^|c", {{}, {true, 0}, "[adb]\n/x||y&&z\n/a&&b||c\n"}},
    // Redirections.
    {{},
     "cmd /c adb out=first > log.txt",
     {{{"log.txt", "first\n"}}, {true, 0}, "[adb]\nout=first\n"}},
    {{{"log.txt", "older and longer\n"}},
     "cmd /c adb out=second>log.txt",
     {{{"log.txt", "second\n"}}, {true, 0}, "[adb]\nout=second\n"}},
    {{{"log.txt", "second\n"}},
     "cmd /c adb out=third >>log.txt",
     {{{"log.txt", "second\nthird\n"}}, {true, 0}, "[adb]\nout=third\n"}},
    {{},
     "cmd /c adb out=o err=e > all.txt 2>&1",
     {{{"all.txt", "o\ne\n"}}, {true, 0}, "[adb]\nout=o\nerr=e\n"}},
    // What a tool prints where the line does not redirect it comes back to the runner, both
    // outputs in the order written.
    {{}, "adb out=direct", {{}, {true, 0}, "[adb]\nout=direct\n", "direct\n"}},
    {{},
     "cmd /c adb out=o err=e exit=1 & adb out=kept > log.txt",
     {{{"log.txt", "kept\n"}},
      {true, 0},
      "[adb]\nout=o\nerr=e\nexit=1\n[adb]\nout=kept\n",
      "o\ne\n"}},
    // A tool still waiting for a device after the limit is ended and nothing after it runs.
    // Once it prints on, the phone is there: it works to its end however long. Another waiting
    // line starts a fresh limit.
    {{},
     "cmd /c fastboot \"err=< waiting for any device >\" hang & adb after",
     {{},
      {true, kGaveUpWaitingExitCode},
      "[fastboot]\nerr=< waiting for any device >\nhang\n",
      "< waiting for any device >\n"}},
    {{},
     "cmd /c fastboot \"err=< waiting for any device >\" work=0.2 \"out=Sending 'recovery'\" "
     "work=1.5",
     {{},
      {true, 0},
      "[fastboot]\nerr=< waiting for any device >\nwork=0.2\nout=Sending 'recovery'\nwork=1.5\n",
      "< waiting for any device >\nSending 'recovery'\n"}},
    {{},
     "cmd /c fastboot \"err=< waiting for any device >\" out=OKAY work=1.5 exit=1 & fastboot "
     "\"err=< waiting for any device >\" hang",
     {{},
      {true, kGaveUpWaitingExitCode},
      "[fastboot]\nerr=< waiting for any device >\nout=OKAY\nwork=1.5\nexit=1\n"
      "[fastboot]\nerr=< waiting for any device >\nhang\n",
      "< waiting for any device >\nOKAY\n< waiting for any device >\n"}},
    {{}, "cmd /c adb work=1.5", {{}, {true, 0}, "[adb]\nwork=1.5\n"}},
    {{},  // stderr goes where stdout went before: not into the file
     "cmd /c adb out=o err=e 2>&1 1>out.txt",
     {{{"out.txt", "o\n"}}, {true, 0}, "[adb]\nout=o\nerr=e\n", "e\n"}},
    {{{"err.txt", "e\n"}},
     "cmd /c adb err=again 2>> err.txt",
     {{{"err.txt", "e\nagain\n"}}, {true, 0}, "[adb]\nerr=again\n"}},
    {{},  // a handle digit right before ">" belongs to the word
     "cmd /c adb out=x2>digit.txt",
     {{{"digit.txt", "x2\n"}}, {true, 0}, "[adb]\nout=x2\n"}},
    {{},
     "cmd /c adb \"out=a > b\" > \"my log.txt\"",
     {{{"my log.txt", "a > b\n"}}, {true, 0}, "[adb]\nout=a > b\n"}},
    {{},
     "cmd /c adb out=1 > twice.txt & adb out=2 >> twice.txt",
     {{{"twice.txt", "1\n2\n"}}, {true, 0}, "[adb]\nout=1\n[adb]\nout=2\n"}},
    // copy, rename and del.
    {{{"src/twrp.img", "image"}, {"dst/", ""}},
     "cmd /c copy /y src\\twrp.img dst > copy.txt",
     {{{"dst/twrp.img", "image"}, {"copy.txt", kOneCopied.c_str()}}, {true, 0}, ""}},
    {{{"twrp.img", "image"}},
     "cmd /c COPY /Y twrp.img TWRP2.img",
     {{{"TWRP2.img", "image"}, {"twrp.img", "image"}}, {true, 0}, ""}},
    {{{"twrp.img", "image"}, {"dst.img", "older"}},  // no one to answer the overwrite question
     "cmd /c copy twrp.img dst.img",
     {{{"dst.img", "older"}}, {true, 1}, ""}},
    {{{"twrp.img", "image"}},
     "cmd /c copy /y twrp.img twrp.img",
     {{{"twrp.img", "image"}}, {true, 1}, ""}},
    {{}, "cmd /c copy /y gone.img twrp.img", {{{"twrp.img", nullptr}}, {true, 1}, ""}},
    {{{"recovery/find5_twrp_recovery.img", "twrp"}},
     "cmd /c copy /y {dir}\\recovery\\find5_twrp_recovery.img {dir}&rename "
     "find5_twrp_recovery.img recovery.img",
     {{{"recovery.img", "twrp"},
       {"find5_twrp_recovery.img", nullptr},
       {"recovery/find5_twrp_recovery.img", "twrp"}},
      {true, 0},
      ""}},
    {{{"a.img", "A"}, {"b.img", "B"}},
     "cmd /c ren a.img b.img",
     {{{"a.img", "A"}, {"b.img", "B"}}, {true, 1}, ""}},
    {{}, "cmd /c rename gone.img c.img", {{{"c.img", nullptr}}, {true, 1}, ""}},
    {{{"b.img", "B"}},
     "cmd /c RENAME b.img 刷机.img",
     {{{"b.img", nullptr}, {"刷机.img", "B"}}, {true, 0}, ""}},
    {{{"刷机.img", "刷"}},
     "cmd /c copy /y 刷机.img 恢复.img",
     {{{"刷机.img", "刷"}, {"恢复.img", "刷"}}, {true, 0}, ""}},
    {{{"a.img", "A"}},
     "cmd /c del a.img gone.img 2> del.txt",
     {{{"a.img", nullptr}}, {true, 0}, ""}},
    // Batch files run their lines in order, may delete themselves, and copy overwrites in them
    // without asking. Their lines are in the program's encoding.
    {{{"NOpush.bat",
       "adb shell \"mount -orw -text4 /dev/x /system\"\r\n"
       "\r\n"
       "adb push 应用.apk /system/app/Foo.apk\r\n"
       "adb exit=4\r\n"
       "del NOpush.bat\r\n"}},
     "NOpush.bat",
     {{{"NOpush.bat", nullptr}},
      {true, 0},
      "[adb]\nshell\nmount -orw -text4 /dev/x /system\n[adb]\npush\n应用.apk\n/system/app/"
      "Foo.apk\n[adb]\nexit=4\n"}},
    {{{"a.img", "new"}, {"b.img", "old"}, {"推送.bat", "copy a.img b.img\nfastboot exit=3\n"}},
     "推送.bat",
     {{{"b.img", "new"}}, {true, 3}, "[fastboot]\nexit=3\n"}},
};

Text Encoded(std::string_view utf8) {
    return Text(std::string(utf8).c_str());
}

// The command line with the program folder's full path for every "{dir}".
Text LineOf(const Case& c, const fs::path& folder) {
    const std::string line = c.line;
    const std::string mark = "{dir}";
    Text composed;
    std::size_t from = 0;
    for (std::size_t at = line.find(mark); at != std::string::npos; at = line.find(mark, from)) {
        composed += Encoded(line.substr(from, at - from)) + ProgramPath(folder);
        from = at + mark.size();
    }
    return composed + Encoded(line.substr(from));
}

#ifdef _WIN32
constexpr char kPathSeparator = ';';
#else
constexpr char kPathSeparator = ':';
#endif

class CommandLineTable : public ::testing::Test {
protected:
    CommandLineTable() {
        InstallFakeTool(onPath_, "adb", "adb on PATH");
        InstallFakeTool(onPath_, "apktool", "apktool on PATH");
    }

    TempFolder onPath_;  // the first folder on PATH
    TempFolder record_;
    ScopedEnvironment path_{"PATH", onPath_.path().string() + kPathSeparator + std::getenv("PATH")};
    ScopedEnvironment recordVariable_{testing::kFakeRecordVariable,
                                      (record_ / "record.txt").string()};
};

TEST_F(CommandLineTable, EachLineLeavesItsFilesResultAndToolArguments) {
    for (const Case& c : kCases) {
        if (testing::WineRunsOtherwise(c.line) != nullptr) {
            continue;
        }
        SCOPED_TRACE(c.line);
        TempFolder program;
        InstallFakeTool(program, "adb", "adb");
        InstallFakeTool(program, "fastboot", "fastboot");
        InstallFakeTool(program, "tools/adb", "tools adb");
        for (const File& file : c.before) {
            if (std::string_view(file.name).ends_with('/')) {
                fs::create_directories(program / file.name);
            } else {
                program.Write(file.name, Encoded(file.content).bytes());
            }
        }
        fs::remove(record_ / "record.txt");
        const CurrentDirectory inProgramFolder(program.path());

        const Outcome& expected = c.expected;
        testing::BoundedWait wait(c.line, std::chrono::seconds(10));
        const CommandResult result = CommandRunner(program.path(), &wait, kDeviceWaitLimitHere)
                                         .Run(LineOf(c, program.path()), true, 1);
        EXPECT_EQ(CommandResult(result.started, result.exitCode), expected.result);
        if (expected.printed != nullptr) {
            EXPECT_EQ(result.output, Encoded(expected.printed));
        }
        EXPECT_EQ(record_.Read("record.txt"), expected.record);
        for (const File& file : expected.after) {
            SCOPED_TRACE(file.name);
            EXPECT_EQ(fs::exists(program / file.name), file.content != nullptr);
            if (file.content != nullptr) {
                EXPECT_EQ(program.Read(file.name), Encoded(file.content).bytes());
            }
        }
    }
}

// A quoted path whose last character is 淺 (0x9C 0x5C) or 誠 (0xD5 0x5C), whose trail byte is a
// backslash, or a backslash itself: the tool receives it whole, and the words after it.
TEST_F(CommandLineTable, AQuotedPathArrivesWholeWhateverItsLastCharacter) {
    TempFolder program;
    InstallFakeTool(program, "adb", "adb");
    const CurrentDirectory inProgramFolder(program.path());
    for (const char* path : {"/apk/淺", "/apk/誠", "/apk/淺\\", "/apk/a\\", "/apk/東"}) {
        SCOPED_TRACE(path);
        fs::remove(record_ / "record.txt");
        testing::BoundedWait wait(path, std::chrono::seconds(10));
        CommandRunner(program.path(), &wait)
            .Run("cmd /c adb b " + QuotedCommandLinePath(path) + " -o out.apk", true, 1);
        EXPECT_EQ(record_.Read("record.txt"), std::string("[adb]\nb\n") + path + "\n-o\nout.apk\n");
    }
}

}  // namespace
}  // namespace tarnwick
