// The APK install and the memory-card push whole; for every operation the input checks that
// refuse before the log view appears; the quoting and the failures of the single command.
#include <algorithm>

#include "push/apk_install.h"
#include "push/card_push.h"
#include "push/push_dispatch.h"
#include "tests/push/push_window_test.h"

namespace tarnwick::push::testing {
namespace {

class Operations : public PushWindowTest {};

TEST_F(Operations, TheApkInstallRunsAdbInstallOnTheChosenFile) {
    Select(w.APK单选框);
    host.chooserPaths = {Text("C:\\apps\\Foo.apk")};
    host.commandResults["cmd /c adb install C:\\apps\\Foo.apk"] = {true, 0, "Success\r\n"};
    InstallApk(w, host);
    EXPECT_EQ(host.calls(), Lines(R"(
ChooseFile(0, "APK程序(*.apk)|*.apk", "") -> "C:\\apps\\Foo.apk"
AppendLog("正在部署...\r\n")
Pause(1000)
AppendLog("开始安装...\r\nC:\\apps\\Foo.apk\r\n")
Pause(1000)
AppendLog("等待手机连接...\r\n")
Pause(1000)
RunCommand("cmd /c adb install C:\\apps\\Foo.apk", true, 1) -> exit 0
AppendLog("操作已经完成...")
Pause(1000))"));
    EXPECT_EQ(w.信息显示窗.content(),
              "请勿断开手机连接...\r\n正在部署...\r\n开始安装...\r\nC:\\apps\\Foo.apk\r\n"
              "等待手机连接...\r\n操作已经完成...");
}

TEST_F(Operations, TheMemoryCardPushRunsAdbPushOnTheFileBoxIntoTheDirectoryAsWritten) {
    Select(w.SD单选框);
    w.SD编辑框1.setContent("E:\\data\\music.mp3");
    w.通用对话框1.fileName = "C:\\other.bin";  // not used, and kept
    PushToMemoryCard(w, host);
    EXPECT_EQ(host.calls(), Lines(R"(
AppendLog("正在部署...\r\n")
Pause(1000)
AppendLog("准备将:\r\nE:\\data\\music.mp3\r\n复制到:\r\n/sdcard/\r\n")
Pause(1000)
AppendLog("等待手机连接...\r\n")
Pause(1000)
RunCommand("cmd /c adb push E:\\data\\music.mp3 /sdcard/", true, 1) -> exit 0
AppendLog("操作已经完成...")
Pause(1000))"));
    EXPECT_EQ(w.通用对话框1.fileName, "C:\\other.bin");
}

TEST_F(Operations, InputChecksRefuseBeforeTheLogViewAppears) {
    struct Case {
        ui::RadioButton& button;
        Text file;       // chosen for the APK install (empty: cancelled), else the file box
        Text directory;  // SD编辑框 or SYS编辑框
        std::string warning;
    };
    const std::string noFile = "您尚未选择任何文件!";
    const std::string characters = "文件路径中含有不支持的字符!";
    const Text hint = "请勿修改或删除路径后的\"/\"符号!";
    const Case cases[] = {
        {w.APK单选框, "", "", noFile},
        {w.APK单选框, "C:\\GAME.APK", "", "请选择可安装的APK文件."},
        {w.APK单选框, "C:\\apps\\50%.apk", "", characters},
        {w.SD单选框, hint, "/sdcard/", "请检查文件路径是否完整!"},
        {w.SD单选框, "", "/sdcard/", noFile},
        {w.SD单选框, "C:\\a\\b.mp3", "/sdcard/\"x\"/", characters},
        {w.SYS单选框, hint, "/system/app/", "请检查文件路径是否完整!"},
        // The name and the directory of a system push reach the phone's shell unquoted.
        {w.SYS单选框, "C:\\a\\my app.apk", "/system/app/", characters},
        {w.SYS单选框, "C:\\dir/sub\\Foo.apk", "/system/app/", characters},  // "C:\dir/Foo.apk"
        {w.SYS单选框, "C:\\a\\Foo.apk", "/system/my app/", characters},
        {w.SYS单选框, "C:\\a\\Foo{1,2}.apk", "/system/app/", characters},
        // A folder box names a folder from the phone's root, without blanks at its ends.
        {w.SD单选框, "C:\\a\\b.mp3", "", characters},
        {w.SD单选框, "C:\\a\\b.mp3", "/sdcard/ ", characters},
        {w.SD单选框, "C:\\a\\b.mp3", " /sdcard/", characters},
        {w.SD单选框, "C:\\a\\b.mp3", "sdcard/", characters},
        {w.SYS单选框, "C:\\a\\Foo.apk", "", characters},
        {w.SYS单选框, "C:\\a\\Foo.apk", "system/app/", characters},
        {w.SYS单选框, "C:\\a\\Foo.apk", "/system/{app,priv-app}/", characters},
    };
    for (const bool noroot : {false, true}) {  // both system pushes
        for (const Case& c : cases) {
            SCOPED_TRACE(c.button.name() + " " + c.file.bytes() + " " + c.directory.bytes());
            Select(c.button, noroot);
            w.通用对话框1.fileName = "";
            host.ClearCalls();
            host.chooserPaths = {c.file.empty() ? std::nullopt : std::optional(c.file)};
            const bool card = &c.button == &w.SD单选框;
            (card ? w.SD编辑框1 : w.SYS编辑框1).setContent(c.file);
            (card ? w.SD编辑框 : w.SYS编辑框).setContent(c.directory);
            RunSelectedPush(w, host);
            EXPECT_EQ(host.calls().back(), Warning(c.warning));
            EXPECT_EQ(host.calls().size(), &c.button == &w.APK单选框 ? 2u : 1u);
            EXPECT_FALSE(w.信息显示窗.visible());
        }
    }
}

TEST_F(Operations, PathsAreQuotedWhereNeededAndAFailedCommandEndsInFailure) {
    struct Case {
        ui::RadioButton& button;
        Text file;
        Text directory;
        Text commandLine;
        CommandResult result;
        Text logEnd;
    };
    const Text done = "操作已经完成...";
    const Text failed = "命令执行失败(返回值3): ";
    const Text success = "Performing Push Install\r\nSuccess\r\n";
    const Case cases[] = {
        // "apk" anywhere in the path counts.
        {w.APK单选框,
         "C:\\apks\\a.txt",
         "",
         "cmd /c adb install C:\\apks\\a.txt",
         {true, 0, success},
         done},
        {w.APK单选框,
         "C:\\My Apps\\a(1).apk",
         "",
         "cmd /c adb install \"C:\\My Apps\\a(1).apk\"",
         {true, 0, success},
         done},
        {w.APK单选框,
         "C:\\apk\\a.apk",
         "",
         "cmd /c adb install C:\\apk\\a.apk",
         {true, 3},
         failed + "cmd /c adb install C:\\apk\\a.apk\r\n操作失败!"},
        {w.SD单选框,
         "C:\\My Music\\b.mp3",
         "/sdcard/My Music/",
         "cmd /c adb push \"C:\\My Music\\b.mp3\" \"/sdcard/My Music/\"",
         {true, 0},
         done},
        // The folder's trailing "/" is added where it was left out.
        {w.SD单选框,
         "C:\\a\\b.mp3",
         "/sdcard",
         "cmd /c adb push C:\\a\\b.mp3 /sdcard/",
         {true, 3},
         failed + "cmd /c adb push C:\\a\\b.mp3 /sdcard/\r\n操作失败!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        Select(c.button);
        host.chooserPaths = {c.file};
        w.SD编辑框1.setContent(c.file);
        w.SD编辑框.setContent(c.directory);
        host.commandResults[c.commandLine] = c.result;
        RunSelectedPush(w, host);
        EXPECT_TRUE(LogEndsWith("等待手机连接...\r\n" + c.logEnd));
        const std::string run = "RunCommand(" + ::tarnwick::testing::Quoted(c.commandLine) +
                                ", true, 1) -> exit " + std::to_string(c.result.exitCode);
        EXPECT_NE(std::ranges::find(host.calls(), run), host.calls().end());
    }
}

TEST_F(Operations, AnInstallHasSucceededOnlyWhenAdbSaidSoElseItsReasonIsLogged) {
    const Text install = "cmd /c adb install C:\\apk\\a.apk";
    const Text failedWith0 = "命令执行失败(返回值0): " + install + "\r\n";
    const Text failedWith1 = "命令执行失败(返回值1): " + install + "\r\n";
    const Text exists = "Failure [INSTALL_FAILED_ALREADY_EXISTS]";
    const Text notRunning = "Error: Could not access the Package Manager.  Is the system running?";
    const Text adbFailed = "adb: failed to install C:\\apk\\a.apk: " + exists;
    const struct {
        CommandResult result;
        Text logEnd;  // after "等待手机连接...\r\n"
    } cases[] = {
        {{true, 0, "Performing Push Install\r\n  Success \r\r\n"}, "操作已经完成..."},
        {{true, 0, "Success\n"}, "操作已经完成..."},
        {{true, 1, "Success\r\n"}, failedWith1 + "Success\r\n操作失败!"},
        {{true, 0, "Performing Push Install\r\n" + exists + "\r\n"},
         failedWith0 + exists + "\r\n操作失败!"},
        {{true, 0, "\tpkg: /data/local/tmp/a.apk\r\n  " + exists + "\r\n"},
         failedWith0 + "  " + exists + "\r\n操作失败!"},
        {{true, 0, notRunning + "\r\n"}, failedWith0 + notRunning + "\r\n操作失败!"},
        {{true, 1, "Performing Push Install\n" + adbFailed + "\n"},
         failedWith1 + adbFailed + "\r\n操作失败!"},
        {{true, 0, ""}, failedWith0 + "操作失败!"},
        {{true, 0, "Performing Push Install\r\r\n" + exists + "\r\r\n"},
         failedWith0 + exists + "\r\n操作失败!"},
        {{true, 1, "Performing Push Install\r\n安装出错\r\n \r\n"},
         failedWith1 + "安装出错\r\n操作失败!"},
        {{false, 0}, "命令无法执行: " + install + "\r\n操作失败!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result.output.bytes());
        Select(w.APK单选框);
        host.chooserPaths = {Text("C:\\apk\\a.apk")};
        host.commandResults[install] = c.result;
        RunSelectedPush(w, host);
        EXPECT_TRUE(LogEndsWith("等待手机连接...\r\n" + c.logEnd)) << w.信息显示窗.content();
    }
}

}  // namespace
}  // namespace tarnwick::push::testing
