// Installing an update package through the recovery: the whole recorded flow, the command
// file for each choice of wipes, the input checks and the failures of the two pushes.
#include "flash/update_package.h"

#include "tests/flash/flash_window_test.h"

namespace tarnwick::flash::testing {
namespace {

constexpr const char* kBase = "boot-recovery\r\n--update_package=/sdcard/oppo-update.zip\r\n";
constexpr const char* kPushCommands = "cmd /c adb push command.txt /cache/recovery/command";

class UpdatePackage : public FlashWindowTest {
protected:
    UpdatePackage() {
        SelectFamily(w.ROM单选框);
        // The command file as it is when pushed.
        host.commandEffects[kPushCommands] = [this](::tarnwick::testing::FakeHost& fake) {
            pushedCommands = fake.files["command.txt"];
        };
    }

    Bytes pushedCommands;
};

TEST_F(UpdatePackage, PushesThePackageWritesTheCommandFileAndRebootsIntoRecoveryTwice) {
    w.ROM路径.setContent("C:\\roms\\update.zip");
    FlashUpdatePackage(w, host);
    EXPECT_EQ(host.calls(), Sequence({Lines(R"(
Pause(1000)
AppendLog("正在将:\r\nC:\\roms\\update.zip\r\n推送到:手机SD内存卡中...\r\n")
Pause(1000)
RunCommand("cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip", true, 1) -> exit 0
AppendLog("传输已完成...\r\n")
Pause(1000)
AppendLog("重命名为oppo-update.zip\r\n")
Pause(1000)
WriteFile("command.txt", "boot-recovery\r\n--update_package=/sdcard/oppo-update.zip\r\n") -> true
AppendLog("正在重启...\r\n")
RunCommand("cmd /c adb reboot recovery", true, 1) -> exit 0)"),
                                      Countdown(2500), Lines(R"(
RunCommand("cmd /c adb push command.txt /cache/recovery/command", true, 1) -> exit 0
RunCommand("cmd /c adb reboot recovery", true, 1) -> exit 0
DeleteFile("command.txt") -> true
AppendLog("操作已完成....\r\n"))")}));
    EXPECT_EQ(pushedCommands, kBase);
    EXPECT_EQ(pushedCommands.size(), 57u);
    EXPECT_FALSE(host.files.contains("command.txt"));
    EXPECT_EQ(w.显示窗.content(),
              "请勿断开手机连接...\r\n正在将:\r\nC:\\roms\\update.zip\r\n推送到:手机SD内存卡中..."
              "\r\n传输已完成...\r\n重命名为oppo-update.zip\r\n正在重启...\r\n请稍等...\r\n"
              " . . . . . . . . . . . . \r\n操作已完成....\r\n");
}

TEST_F(UpdatePackage, TheWipeBoxesAddTheirLinesDataFirst) {
    struct Case {
        bool data;
        bool cache;
        std::string added;
    };
    const Case cases[] = {
        {true, true, "--wipe_data\r\n--wipe_cache\r\n"},
        {false, true, "--wipe_cache\r\n"},
        {true, false, "--wipe_data\r\n"},
    };
    w.ROM路径.setContent("C:\\roms\\update.zip");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.added);
        host.ClearCalls();
        w.清空DATA.setChecked(c.data);
        w.清空CACHE.setChecked(c.cache);
        FlashUpdatePackage(w, host);
        EXPECT_EQ(pushedCommands, kBase + c.added);
        // Written, read back whole and written again with the wipe lines.
        const Record written(host.calls().begin() + 8, host.calls().begin() + 11);
        using ::tarnwick::testing::QuotedBytes;
        EXPECT_EQ(written, (Record{"WriteFile(\"command.txt\", " + QuotedBytes(kBase) + ") -> true",
                                   "ReadFile(\"command.txt\") -> " + QuotedBytes(kBase),
                                   "WriteFile(\"command.txt\", " + QuotedBytes(kBase + c.added) +
                                       ") -> true"}));
        EXPECT_FALSE(host.files.contains("command.txt"));
    }
}

TEST_F(UpdatePackage, InputChecksRejectBeforeAnythingIsShownOrRun) {
    struct Case {
        const char* path;
        const char* message;
    };
    constexpr const char* kExtension =
        "请选择扩展名为zip的刷机包文件!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!";
    constexpr const char* kCharacters =
        "文件路径中含有不支持的字符!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!";
    const Case cases[] = {
        {"", "您尚未选择任何文件!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!"},
        {"C:\\roms\\update.ZIP", kExtension},
        {"C:\\roms\\update.rar", kExtension},
        {"C:\\roms\\\"a\".zip", kCharacters},
        {"C:\\roms\\50%.zip", kCharacters},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        host.ClearCalls();
        w.ROM路径.setContent(c.path);
        FlashUpdatePackage(w, host);
        EXPECT_EQ(host.calls(),
                  Record{std::string("ShowMessage(\"") + c.message + "\", 0, \"警告!\") -> 0"});
        EXPECT_FALSE(w.显示框.visible());
    }
}

TEST_F(UpdatePackage, APackagePathWithBlanksOrCommandCharactersIsQuoted) {
    w.ROM路径.setContent("C:\\My ROMs\\rom(1)&x.zip");
    FlashUpdatePackage(w, host);
    EXPECT_EQ(
        host.calls()[1],
        R"(AppendLog("正在将:\r\nC:\\My ROMs\\rom(1)&x.zip\r\n推送到:手机SD内存卡中...\r\n"))");
    EXPECT_EQ(
        host.calls()[3],
        R"(RunCommand("cmd /c adb push \"C:\\My ROMs\\rom(1)&x.zip\" /sdcard/oppo-update.zip", true, 1) -> exit 0)");
}

TEST_F(UpdatePackage, AFailedPackagePushEndsTheFlowWithoutCommandFileOrReboot) {
    w.ROM路径.setContent("C:\\roms\\update.zip");
    w.清空DATA.setChecked(true);
    host.commandResults["cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip"] = {true, 1};
    FlashUpdatePackage(w, host);
    EXPECT_EQ(host.calls(), Lines(R"(
Pause(1000)
AppendLog("正在将:\r\nC:\\roms\\update.zip\r\n推送到:手机SD内存卡中...\r\n")
Pause(1000)
RunCommand("cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip", true, 1) -> exit 1
AppendLog("命令执行失败(返回值1): cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip\r\n")
AppendLog("操作失败!\r\n"))"));
    EXPECT_FALSE(host.files.contains("command.txt"));

    host.ClearCalls();
    host.commandResults["cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip"] = {false,
                                                                                           0};
    FlashUpdatePackage(w, host);
    EXPECT_EQ(Record(host.calls().end() - 2, host.calls().end()), Lines(R"(
AppendLog("命令无法执行: cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip\r\n")
AppendLog("操作失败!\r\n"))"));
}

TEST_F(UpdatePackage, AFailedCommandFilePushIsLoggedAndTheFlowStillRebootsAndCleansUp) {
    w.ROM路径.setContent("C:\\roms\\update.zip");
    host.commandResults[kPushCommands] = {true, 1};
    FlashUpdatePackage(w, host);
    EXPECT_EQ(Record(host.calls().end() - 5, host.calls().end()), Lines(R"(
RunCommand("cmd /c adb push command.txt /cache/recovery/command", true, 1) -> exit 1
AppendLog("命令执行失败(返回值1): cmd /c adb push command.txt /cache/recovery/command\r\n")
RunCommand("cmd /c adb reboot recovery", true, 1) -> exit 0
DeleteFile("command.txt") -> true
AppendLog("操作失败!\r\n"))"));
}

}  // namespace
}  // namespace tarnwick::flash::testing
