// The APK install and the memory-card push: the whole recorded flow, the input checks, the
// quoting of paths and the failures of their one command.
#include "push/apk_install.h"
#include "push/card_push.h"
#include "tests/push/push_window_test.h"

namespace tarnwick::push::testing {
namespace {

using ::tarnwick::testing::Quoted;

class ApkInstall : public PushWindowTest {
protected:
    ApkInstall() { Select(w.APK单选框); }
};

class CardPush : public PushWindowTest {
protected:
    CardPush() { Select(w.SD单选框); }
};

TEST_F(ApkInstall, TheChosenApkIsInstalledAndTheLogSaysSo) {
    host.chooserPaths = {Text("C:\\apps\\Foo.apk")};
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
    EXPECT_FALSE(w.APK单选框.disabled());
}

TEST_F(ApkInstall, ChecksCommandLinesAndFailures) {
    struct Case {
        std::optional<Text> choice;  // nullopt: the chooser is cancelled
        std::string refusal;         // the warning, or "" when the install runs
        Text commandLine;
        CommandResult result;
        Text lastLog;
    };
    const Text kApk = "C:\\apps\\Foo.apk";
    const Case cases[] = {
        {std::nullopt, kNoFile, "", {}, ""},
        {Text("C:\\GAME.APK"), Warning("请选择可安装的APK文件."), "", {}, ""},
        {Text("C:\\apps\\50%.apk"), kBadCharacters, "", {}, ""},
        // "apk" anywhere in the path counts.
        {Text("C:\\apks\\readme.txt"),
         "",
         "cmd /c adb install C:\\apks\\readme.txt",
         {true, 0},
         "操作已经完成..."},
        {Text("C:\\My Apps\\a(1).apk"),
         "",
         "cmd /c adb install \"C:\\My Apps\\a(1).apk\"",
         {true, 0},
         "操作已经完成..."},
        {kApk,
         "",
         "cmd /c adb install C:\\apps\\Foo.apk",
         {true, 3},
         "命令执行失败(返回值3): cmd /c adb install C:\\apps\\Foo.apk\r\n操作失败!"},
        {kApk,
         "",
         "cmd /c adb install C:\\apps\\Foo.apk",
         {false, 0},
         "命令无法执行: cmd /c adb install C:\\apps\\Foo.apk\r\n操作失败!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice.value_or("(cancelled)"));
        w.通用对话框1.fileName = "";
        w.信息显示窗.setContent("");
        host.ClearCalls();
        host.chooserPaths = {c.choice};
        host.commandResults[c.commandLine] = c.result;
        InstallApk(w, host);
        if (!c.refusal.empty()) {
            EXPECT_EQ(host.calls().back(), c.refusal);
            EXPECT_EQ(host.calls().size(), 2u);
            EXPECT_FALSE(w.信息显示窗.visible());
            continue;
        }
        EXPECT_EQ(host.calls()[7],
                  "RunCommand(" + Quoted(c.commandLine) + ", true, 1) -> " +
                      (c.result.started ? "exit " + std::to_string(c.result.exitCode)
                                        : std::string("not started")));
        EXPECT_TRUE(w.信息显示窗.content().bytes().ends_with(
            Text("等待手机连接...\r\n" + c.lastLog).bytes()));
    }
}

TEST_F(CardPush, TheFileInTheBoxIsPushedIntoTheDirectoryAsWritten) {
    w.SD编辑框1.setContent("E:\\data\\music.mp3");
    w.通用对话框1.fileName = "C:\\other.bin";  // not used: the box is
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
    EXPECT_EQ(w.信息显示窗.content(),
              "请勿断开手机连接...\r\n正在部署...\r\n准备将:\r\nE:\\data\\music.mp3\r\n复制到:"
              "\r\n/sdcard/\r\n等待手机连接...\r\n操作已经完成...");
    EXPECT_EQ(w.通用对话框1.fileName, "C:\\other.bin");
    EXPECT_TRUE(host.files.empty());
}

TEST_F(CardPush, ChecksCommandLinesAndFailures) {
    struct Case {
        Text file;
        Text directory;
        std::string refusal;  // the warning, or "" when the push runs
        Text commandLine;
        CommandResult result;
        Text lastLog;
    };
    const Case cases[] = {
        {"请勿修改或删除路径后的\"/\"符号!", "/sdcard/", kIncompletePath, "", {}, ""},
        {"", "/sdcard/", kNoFile, "", {}, ""},
        {"C:\\a\\50%.mp3", "/sdcard/", kBadCharacters, "", {}, ""},
        {"C:\\a\\b.mp3", "/sdcard/\"x\"/", kBadCharacters, "", {}, ""},
        {"C:\\My Music\\b.mp3",
         "/sdcard/My Music/",
         "",
         "cmd /c adb push \"C:\\My Music\\b.mp3\" \"/sdcard/My Music/\"",
         {true, 0},
         "操作已经完成..."},
        {"C:\\a\\b.mp3", "", "", "cmd /c adb push C:\\a\\b.mp3 ", {true, 0}, "操作已经完成..."},
        {"C:\\a\\b.mp3",
         "/sdcard/",
         "",
         "cmd /c adb push C:\\a\\b.mp3 /sdcard/",
         {true, 1},
         "命令执行失败(返回值1): cmd /c adb push C:\\a\\b.mp3 /sdcard/\r\n操作失败!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        w.SD编辑框1.setContent(c.file);
        w.SD编辑框.setContent(c.directory);
        w.信息显示窗.setContent("");
        host.ClearCalls();
        host.commandResults[c.commandLine] = c.result;
        PushToMemoryCard(w, host);
        if (!c.refusal.empty()) {
            EXPECT_EQ(host.calls(), Record{c.refusal});
            EXPECT_FALSE(w.信息显示窗.visible());
            continue;
        }
        EXPECT_EQ(host.calls()[6], "RunCommand(" + Quoted(c.commandLine) + ", true, 1) -> exit " +
                                       std::to_string(c.result.exitCode));
        EXPECT_TRUE(w.信息显示窗.content().bytes().ends_with(
            Text("等待手机连接...\r\n" + c.lastLog).bytes()));
    }
}

}  // namespace
}  // namespace tarnwick::push::testing
