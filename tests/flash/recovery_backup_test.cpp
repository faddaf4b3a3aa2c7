// Backing up the recovery partition: the whole recorded flow, its input checks, the quoted
// target and the failure lines of dd and the pull.
#include "flash/recovery_backup.h"

#include "tests/flash/flash_window_test.h"

namespace tarnwick::flash::testing {
namespace {

constexpr const char* kDd =
    "cmd /c adb shell \"dd if=/dev/block/platform/msm_sdcc.1/by-name/recovery "
    "of=/cache/bak_recovery.img\"";

class Backup : public FlashWindowTest {
protected:
    Backup() {
        SelectFamily(w.REC单选框);
        SelectRecoveryOption(w.备份);
    }

    static Record Flow(const Record& readAndPull, const char* outcome) {
        return Sequence({Lines(R"(
ShowMessage("请先打开手机USB调节模式!", 0, "请确认...") -> 0
Pause(1000)
AppendLog("正在重启手机到Recovery...\r\n")
RunCommand("cmd /c adb reboot recovery", true, 1) -> exit 0)"),
                         Countdown(2000),
                         Lines(R"(
ShowMessage("如果您的手机已经重启,并且已经进入Recovery模式.\r\n\r\n请点击 [确定] 开始备份Recovery...", 0, "警告!") -> 0
Pause(1000)
AppendLog("正在备份Recovery...\r\n")
Pause(1000))"),
                         readAndPull,
                         Lines(R"(
RunCommand("cmd /c adb shell rm -f /cache/bak_recovery.img", true, 1) -> exit 0)"),
                         {std::string("AppendLog(\"") + outcome + "\")"},
                         Lines(R"(
Pause(1000)
AppendLog("正在重启...\r\n")
Pause(1000)
RunCommand("cmd /c adb reboot", true, 1) -> exit 0)")});
    }
};

TEST_F(Backup, RebootsIntoRecoveryReadsPullsRemovesAndReboots) {
    w.备份路径.setContent("C:\\backup\\recovery.img");
    BackUpRecovery(w, host);
    EXPECT_EQ(host.calls(), Flow(Lines(R"(
RunCommand("cmd /c adb shell \"dd if=/dev/block/platform/msm_sdcc.1/by-name/recovery of=/cache/bak_recovery.img\"", true, 1) -> exit 0
RunCommand("cmd /c adb pull /cache/bak_recovery.img C:\\backup\\recovery.img", true, 1) -> exit 0)"),
                                 R"(备份完成...\r\n)"));
    EXPECT_TRUE(w.显示框.visible());
    EXPECT_EQ(w.显示窗.content(),
              "请勿断开手机连接...\r\n正在重启手机到Recovery...\r\n请稍等...\r\n"
              " . . . . . . . . . . . . \r\n正在备份Recovery...\r\n备份完成...\r\n正在重启...\r\n");
}

// Notes whether the log view is shown when each message box opens.
class WatchingHost : public ::tarnwick::testing::FakeHost {
public:
    explicit WatchingHost(const ui::GroupBox& logView) : logView_(logView) {}
    int ShowMessage(const Text& content, int style, std::optional<Text> title) override {
        logShown.push_back(logView_.visible());
        return FakeHost::ShowMessage(content, style, title);
    }
    std::vector<bool> logShown;

private:
    const ui::GroupBox& logView_;
};

TEST_F(Backup, TheFirstQuestionComesBeforeTheLogViewIsShown) {
    w.备份路径.setContent("C:\\backup\\recovery.img");
    WatchingHost watching(w.显示框);
    BackUpRecovery(w, watching);
    EXPECT_EQ(watching.logShown, (std::vector<bool>{false, true}));
}

TEST_F(Backup, InputChecksRejectBeforeAnythingIsShownOrRun) {
    struct Case {
        const char* path;
        const char* message;
    };
    constexpr const char* kNone = "您尚未选择任何文件!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!";
    constexpr const char* kExtension =
        "请保存扩展名为img的recovery文件!\\r\\n\\r\\n请重新保存文件,并保证其路径完整!";
    constexpr const char* kCharacters =
        "文件路径中含有不支持的字符!\\r\\n\\r\\n请重新选择文件,并保证其路径完整!";
    const Case cases[] = {
        {"", kNone},  // the initial form: 备份 selected, no target chosen
        {"C:\\backup\\recovery.bin", kExtension},
        {"C:\\backup\\recovery.IMG", kExtension},
        {"C:\\backup\\\"x\"&calc.img", kCharacters},
        {"C:\\%USERPROFILE%\\recovery.img", kCharacters},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        host.ClearCalls();
        w.备份路径.setContent(c.path);
        BackUpRecovery(w, host);
        EXPECT_EQ(host.calls(),
                  Record{std::string("ShowMessage(\"") + c.message + "\", 0, \"警告!\") -> 0"});
        EXPECT_FALSE(w.显示框.visible());
    }
}

TEST_F(Backup, ATargetWithBlanksOrCommandCharactersIsQuoted) {
    w.备份路径.setContent("C:\\Users\\Ann Lee\\rec&1.img");
    BackUpRecovery(w, host);
    EXPECT_EQ(
        host.calls()[35],
        R"(RunCommand("cmd /c adb pull /cache/bak_recovery.img \"C:\\Users\\Ann Lee\\rec&1.img\"", true, 1) -> exit 0)");
}

TEST_F(Backup, AFailedReadOrPullIsLoggedAndTheFlowStillCleansUpAndReboots) {
    w.备份路径.setContent("C:\\backup\\recovery.img");
    host.commandResults[kDd] = {true, 1};
    host.commandResults["cmd /c adb pull /cache/bak_recovery.img C:\\backup\\recovery.img"] = {
        false, 0};
    BackUpRecovery(w, host);
    EXPECT_EQ(host.calls(), Flow(Lines(R"(
RunCommand("cmd /c adb shell \"dd if=/dev/block/platform/msm_sdcc.1/by-name/recovery of=/cache/bak_recovery.img\"", true, 1) -> exit 1
AppendLog("命令执行失败(返回值1): cmd /c adb shell \"dd if=/dev/block/platform/msm_sdcc.1/by-name/recovery of=/cache/bak_recovery.img\"\r\n")
RunCommand("cmd /c adb pull /cache/bak_recovery.img C:\\backup\\recovery.img", true, 1) -> not started
AppendLog("命令无法执行: cmd /c adb pull /cache/bak_recovery.img C:\\backup\\recovery.img\r\n"))"),
                                 R"(备份失败!\r\n)"));
}

TEST_F(Backup, APullThatFailsAfterAnAnsweredDdIsStillAFailure) {
    w.备份路径.setContent("C:\\backup\\recovery.img");
    host.commandResults["cmd /c adb pull /cache/bak_recovery.img C:\\backup\\recovery.img"] = {true,
                                                                                               1};
    BackUpRecovery(w, host);
    EXPECT_TRUE(w.显示窗.content().bytes().ends_with(
        Text("命令执行失败(返回值1): cmd /c adb pull /cache/bak_recovery.img "
             "C:\\backup\\recovery.img\r\n备份失败!\r\n正在重启...\r\n")
            .bytes()));
}

}  // namespace
}  // namespace tarnwick::flash::testing
