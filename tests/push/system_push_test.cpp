// The two system pushes: the whole recorded flows, their batch files byte for byte, the
// confirmation's Cancel and a batch file that cannot be written.
#include "push/system_push.h"

#include "tests/push/push_window_test.h"

namespace tarnwick::push::testing {
namespace {

using ::tarnwick::testing::Countdown;
using ::tarnwick::testing::QuotedBytes;

constexpr const char* kMounts =
    "adb shell \"mount -orw -text4 /dev/block/platform/msm_sdcc.1/by-name/system /system\"\r\n"
    "adb shell \"mount -orw -text4 /dev/block/platform/msm_sdcc.1/by-name/userdata /data\"\r\n";
const Bytes kThroughRecovery = std::string(kMounts) +
                               "adb push C:\\apps\\Foo.apk /system/app/Foo.apk\r\n"
                               "adb shell su -c chmod 644 /system/app/Foo.apk\r\n"
                               "adb shell su -c chown 0.0 /system/app/Foo.apk\r\n"
                               "del NOpush.bat\r\n";
const Bytes kWithRoot =
    "adb push C:\\apps\\Foo.apk /data/local/tmp/Foo.apk\r\n"
    "adb shell su -c mount -o remount,rw -t ext4 /system /system\r\n"
    "\r\n"
    "adb shell su -c mount -o remount,rw -t ext4 /data /data\r\n"
    "adb shell su -c cp /data/local/tmp/Foo.apk /system/app/\r\n"
    "adb shell su -c chmod 644 /system/app/Foo.apk\r\n"
    "adb shell su -c chown 0.0 /system/app/Foo.apk\r\n"
    "adb shell rm -f /data/local/tmp/Foo.apk\r\n"
    "del syspush.bat\r\n";
struct Flow {
    void (*push)(ui::PushWindow&, Host&);
    const char* batch;
    int confirmation;  // the index of the final confirmation among the messages
    const Bytes& content;
};
const Flow kThroughRecoveryFlow{PushIntoSystemThroughRecovery, "NOpush.bat", 1, kThroughRecovery};
const Flow kWithRootFlow{PushIntoSystemWithRoot, "syspush.bat", 0, kWithRoot};

// The recorded write of the flow's batch file.
std::string Written(const Flow& flow, bool result = true) {
    return "WriteFile(\"" + std::string(flow.batch) + "\", " + QuotedBytes(flow.content) + ") -> " +
           (result ? "true" : "false");
}

class SystemPush : public PushWindowTest {
protected:
    SystemPush() {
        Select(w.SYS单选框);
        w.SYS编辑框1.setContent("C:\\apps\\Foo.apk");
    }
};

TEST_F(SystemPush, ThroughRecoveryRebootsWaitsWritesTheBatchFileAndRunsIt) {
    w.通用对话框1.fileName = "C:\\other\\Bar.apk";  // chosen elsewhere: the box is pushed
    PushIntoSystemThroughRecovery(w, host);
    EXPECT_EQ(host.calls(), Sequence({Lines(R"(
AppendLog("正在部署...\r\n")
Pause(1000)
AppendLog("正在尝试重启您的手机..\r\n")
Pause(1000)
RunCommand("cmd /c adb kill-server&adb start-server&adb devices&adb reboot recovery", true, 1) -> exit 0
AppendLog("如手机长时间未重启,请重新连接手机!\r\n")
Pause(1000))"),
                                      Countdown("等待手机进入Recovery模式....\r\n", 2000), Lines(R"(
ShowMessage("如果您的手机已经重启,并且已经进入Recovery模式.\r\n\r\n请点击 [确定] 继续部署下一步操作!", 0, "警告!") -> 0
AppendLog("准备将:\r\nC:\\apps\\Foo.apk\r\n复制到:\r\n/system/app/\r\n")
Pause(1000))"),
                                      Record{Written(kThroughRecoveryFlow)}, Lines(R"(
ShowMessage("操作部署完成!.\r\n\r\n请点击 [确定] 开始文件传输!\r\n\r\n请注意此操作有可能导致系统崩溃!", 1, "警告!") -> 0
RunCommand("NOpush.bat", true, 1) -> exit 0
AppendLog("操作已经完成...")
Pause(1000))")}));
    EXPECT_TRUE(LogEndsWith(
        " . . . . . . . . . . . . \r\n准备将:\r\nC:\\apps\\Foo.apk\r\n复制到:\r\n/system/app/\r\n"
        "操作已经完成..."));
    EXPECT_EQ(w.通用对话框1.fileName, "Foo.apk");
}

TEST_F(SystemPush, ThroughRecoveryLogsAFailedRebootAndGoesOn) {
    const Text reboot = "cmd /c adb kill-server&adb start-server&adb devices&adb reboot recovery";
    host.commandResults[reboot] = {true, 1,
                                   "* daemon not running; starting now at tcp:5037\n* daemon "
                                   "started successfully\nList of devices attached\n\n"
                                   "error: no devices/emulators found\n"};
    PushIntoSystemThroughRecovery(w, host);
    const Text told = "正在尝试重启您的手机..\r\n命令执行失败(返回值1): " + reboot +
                      "\r\nerror: no devices/emulators found\r\n如手机长时间未重启";
    EXPECT_NE(w.信息显示窗.content().bytes().find(told.bytes()), std::string::npos);
    EXPECT_TRUE(LogEndsWith("操作已经完成..."));
}

TEST_F(SystemPush, WithRootWritesTheBatchFileAsksForRootAndRunsIt) {
    PushIntoSystemWithRoot(w, host);
    EXPECT_EQ(host.calls(), Sequence({Lines(R"(
AppendLog("正在部署...\r\n")
Pause(1000)
AppendLog("准备将:\r\nC:\\apps\\Foo.apk\r\n复制到:\r\n/system/app/\r\n")
Pause(1000))"),
                                      Record{Written(kWithRootFlow)}, Lines(R"(
AppendLog("即将开始传输...\r\n")
Pause(1000)
AppendLog("请在手机上授予ROOT权限...\r\n")
Pause(1000)
ShowMessage("部署已完成...\r\n\r\n请点击 [确定] 开始文件传输!\r\n\r\n请注意此操作有可能导致系统崩溃!", 1, "警告!") -> 0
RunCommand("syspush.bat", true, 1) -> exit 0
AppendLog("操作已完成...")
Pause(1000))")}));
    EXPECT_EQ(w.通用对话框1.fileName, "Foo.apk");
    // A second push without a new choice pushes the same file, from the box.
    host.ClearCalls();
    PushIntoSystemWithRoot(w, host);
    EXPECT_EQ(host.files["syspush.bat"], kWithRoot);
}

TEST_F(SystemPush, ADirectoryWithoutItsTrailingSlashGetsOneEverywhere) {
    for (const Flow* flow : {&kThroughRecoveryFlow, &kWithRootFlow}) {
        w.SYS编辑框.setContent("/system/app");
        flow->push(w, host);
        EXPECT_EQ(host.files[flow->batch], flow->content);
        EXPECT_NE(w.信息显示窗.content().bytes().find(Text("复制到:\r\n/system/app/\r\n").bytes()),
                  std::string::npos);
    }
}

TEST_F(SystemPush, CancelAtTheConfirmationRemovesTheBatchFileUnrun) {
    struct Case {
        const Flow& flow;
        Text lastLog;
    };
    const Case cases[] = {
        {kThroughRecoveryFlow, "准备将:\r\nC:\\apps\\Foo.apk\r\n复制到:\r\n/system/app/\r\n"},
        {kWithRootFlow, "请在手机上授予ROOT权限...\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flow.batch);
        host.ClearCalls();
        host.messageResults = {0, 0};
        host.messageResults[c.flow.confirmation] = 1;
        c.flow.push(w, host);
        EXPECT_EQ(Record(host.calls().end() - 2, host.calls().end()),
                  (Record{R"(ShowMessage("操作已取消!", 0, "警告!") -> 0)",
                          "DeleteFile(\"" + std::string(c.flow.batch) + "\") -> true"}));
        EXPECT_FALSE(host.files.contains(c.flow.batch));
        EXPECT_TRUE(LogEndsWith(c.lastLog));
        EXPECT_TRUE(w.信息显示窗.visible());
    }
}

TEST_F(SystemPush, AnUnwrittenBatchFileIsNotRun) {
    for (const Flow* flow : {&kThroughRecoveryFlow, &kWithRootFlow}) {
        SCOPED_TRACE(flow->batch);
        host.ClearCalls();
        host.unwritable = {flow->batch};
        host.files[flow->batch] = "adb push C:\\stale.apk /system/app/stale.apk\r\n";
        flow->push(w, host);
        EXPECT_EQ(Record(host.calls().end() - 3, host.calls().end()),
                  (Record{Written(*flow, false), R"(AppendLog("操作失败!"))", "Pause(1000)"}));
    }
}

}  // namespace
}  // namespace tarnwick::push::testing
