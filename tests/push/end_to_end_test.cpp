// The push mode with the real command runner and real files: a fake adb in a temporary
// program folder records what it receives, with the content of every argument that names a
// file; the batch files run line by line and delete themselves.
#ifdef _WIN32
#include "host/win/windows_api.h"
#endif

#include <chrono>
#include <string>

#include <QWidget>
#include "host/paths.h"
#include "push/push_dispatch.h"

#include "tests/push/push_window_test.h"
#include "tests/support/bounded_wait.h"
#include "tests/support/fake_tools.h"
#include "tests/support/tool_sandbox.h"

namespace tarnwick::push::testing {
namespace {

namespace fs = std::filesystem;
using ::tarnwick::testing::ToolSandbox;

class PushEndToEnd : public PushWindowTest {
protected:
    PushEndToEnd() { sandbox_.user.Write("my apps/Foo.apk", "APK"); }

    std::string Apk() const { return (sandbox_.user / "my apps" / "Foo.apk").string(); }
    Text ApkPath() const { return ProgramPath(sandbox_.user / "my apps" / "Foo.apk"); }

    ToolSandbox sandbox_{"adb"};
};

TEST_F(PushEndToEnd, TheMemoryCardPushHandsAdbTheFileAndTheDirectory) {
    Select(w.SD单选框);
    w.SD编辑框1.setContent(ApkPath());
    w.SD编辑框.setContent("/sdcard/My Apps/");

    RunSelectedPush(w, sandbox_.host);

    EXPECT_EQ(sandbox_.Record(), "[adb]\npush\n" + Apk() + "\n<<APK>>\n/sdcard/My Apps/\n");
    EXPECT_TRUE(LogEndsWith("等待手机连接...\r\n操作已经完成..."));
}

TEST_F(PushEndToEnd, AnInstallThatAdbReportsAsFailedEndsInFailureWhateverItsExitCode) {
    // adb on a phone without shell protocol v2: the failure is in its output only.
    sandbox_.WriteTool(
        "adb", {"out=Performing Push Install", "out=Failure [INSTALL_FAILED_ALREADY_EXISTS]"});
    Select(w.APK单选框);
    sandbox_.host.chooserPaths = {ApkPath()};

    RunSelectedPush(w, sandbox_.host);

    EXPECT_EQ(sandbox_.Record(), "[adb]\ninstall\n" + Apk() + "\n<<APK>>\n");
    EXPECT_TRUE(LogEndsWith("命令执行失败(返回值0): cmd /c adb install \"" + ApkPath() +
                            "\"\r\nFailure [INSTALL_FAILED_ALREADY_EXISTS]\r\n操作失败!"));
}

TEST_F(PushEndToEnd, AReasonLineOfAMegabyteIsShownCutAtACharacter) {
    const std::string line = "Failure [" + ::tarnwick::testing::MegabyteLine() + "]";
    sandbox_.WriteTool("adb", {"out=" + line});
    Select(w.APK单选框);
    sandbox_.host.chooserPaths = {ApkPath()};
    {
        const ::tarnwick::testing::Deadline deadline("the install of a tool that printed 1 MB",
                                                     std::chrono::seconds(5));
        RunSelectedPush(w, sandbox_.host);
        w.信息显示窗.widget()->grab();  // painted, as the screen shows it
    }
    const std::string shown =
        line.substr(0, std::string_view("Failure [").size() + std::size_t{991} * 3);
    EXPECT_TRUE(LogEndsWith(Text(("\r\n" + shown + "…\r\n操作失败!").c_str())));
}

TEST_F(PushEndToEnd, EachSystemPushRunsItsBatchFileInOrderAndTheFileDeletesItself) {
    struct Case {
        bool noroot;
        const char* batch;
        std::string record;
        Text lastLog;
    };
    const std::string su = "[adb]\nshell\nsu\n-c\n";
    const Case cases[] = {
        {true, "NOpush.bat",
         "[adb]\nkill-server\n[adb]\nstart-server\n[adb]\ndevices\n[adb]\nreboot\nrecovery\n"
         "[adb]\nshell\nmount -orw -text4 /dev/block/platform/msm_sdcc.1/by-name/system /system\n"
         "[adb]\nshell\nmount -orw -text4 /dev/block/platform/msm_sdcc.1/by-name/userdata /data\n"
         "[adb]\npush\n" +
             Apk() + "\n<<APK>>\n/system/app/Foo.apk\n" + su + "chmod\n644\n/system/app/Foo.apk\n" +
             su + "chown\n0.0\n/system/app/Foo.apk\n",
         "操作已经完成..."},
        {false, "syspush.bat",
         "[adb]\npush\n" + Apk() + "\n<<APK>>\n/data/local/tmp/Foo.apk\n" + su +
             "mount\n-o\nremount,rw\n-t\next4\n/system\n/system\n" + su +
             "mount\n-o\nremount,rw\n-t\next4\n/data\n/data\n" + su +
             "cp\n/data/local/tmp/Foo.apk\n/system/app/\n" + su +
             "chmod\n644\n/system/app/Foo.apk\n" + su + "chown\n0.0\n/system/app/Foo.apk\n" +
             "[adb]\nshell\nrm\n-f\n/data/local/tmp/Foo.apk\n",
         "操作已完成..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.batch);
        sandbox_.records.Write("record.txt", "");
        Select(w.SYS单选框);
        w.NOROOT.setChecked(c.noroot);
        w.SYS编辑框1.setContent(ApkPath());
        w.SYS编辑框.setContent("/system/app");  // its trailing "/" is added

        RunSelectedPush(w, sandbox_.host);

        EXPECT_EQ(sandbox_.Record(), c.record);
        EXPECT_FALSE(fs::exists(sandbox_.program / c.batch));
        EXPECT_TRUE(LogEndsWith(c.lastLog));
        EXPECT_EQ(w.通用对话框1.fileName, "Foo.apk");
    }
}

// cmd reads a batch file in the console's code page and tools print in the ANSI one; on
// Simplified Chinese Windows both are 936, the program's own. Run under a second locale too.
TEST_F(PushEndToEnd, TheBatchFileAndWhatToolsPrintAreInTheCodePagesOfCmdAndTheSystem) {
#ifdef _WIN32
    const bool chineseHeld = GetOEMCP() == 936;
#else
    const bool chineseHeld = true;
#endif
    const struct {
        const char* name;
        bool held;
    } cases[] = {{"café.apk", true}, {"应用.apk", chineseHeld}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sandbox_.records.Write("record.txt", "");
        sandbox_.user.Write(c.name, "APK");
        sandbox_.host.ClearCalls();
        Select(w.SYS单选框);
        w.NOROOT.setChecked(false);
        w.SYS编辑框1.setContent(ProgramPath(sandbox_.user / c.name));
        w.SYS编辑框.setContent("/system/app/");

        RunSelectedPush(w, sandbox_.host);

        const std::string record = sandbox_.Record();
        EXPECT_EQ(record.find(std::string("/system/app/") + c.name) != std::string::npos, c.held)
            << record;
        EXPECT_EQ(
            sandbox_.host.calls().back().find("文件路径中含有不支持的字符") != std::string::npos,
            !c.held);
    }

    sandbox_.WriteTool("adb", {"out=Failure [INSTALL_FAILED_café]"});
    Select(w.APK单选框);
    sandbox_.host.chooserPaths = {ApkPath()};
    RunSelectedPush(w, sandbox_.host);
    EXPECT_TRUE(LogEndsWith("\r\nFailure [INSTALL_FAILED_café]\r\n操作失败!"))
        << w.信息显示窗.content();
}

}  // namespace
}  // namespace tarnwick::push::testing
