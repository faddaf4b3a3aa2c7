// 刷机模式下一步: which operation the selection names, in the order of the tests, and the
// reboot family's confirmations.
#include "flash/flash_dispatch.h"

#include <QComboBox>

#include "flash/reboots.h"
#include "tests/flash/flash_window_test.h"

namespace tarnwick::flash::testing {
namespace {

class Dispatch : public FlashWindowTest {
protected:
    // The first call of the operation that ran; "" when nothing ran.
    std::string FirstCall() {
        host.ClearCalls();
        host.messageResults = {1};  // cancel, so that a reboot stops at its question
        RunSelectedOperation(w, host);
        return host.calls().empty() ? "" : host.calls().front();
    }
    void SetPresetItem(int item) {
        static_cast<QComboBox*>(w.选择集成REC.widget())->setCurrentIndex(item);
    }
};

constexpr const char* kAskRebootToSystem = R"(ShowMessage("确认重新启动?", 1, "请确认...") -> 1)";
constexpr const char* kAskRebootToRecovery =
    R"(ShowMessage("确认重启到Recovery?", 1, "请确认...") -> 1)";
constexpr const char* kAskRebootToBootloader =
    R"(ShowMessage("确认重启到重启到Fastboot?", 1, "请确认...") -> 1)";
constexpr const char* kChosenImageCheck =
    R"(ShowMessage("请选择扩展名为img的recovery文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 1)";
constexpr const char* kBackupCheck =
    R"(ShowMessage("请保存扩展名为img的recovery文件!\r\n\r\n请重新保存文件,并保证其路径完整!", 0, "警告!") -> 1)";
constexpr const char* kPackageCheck =
    R"(ShowMessage("请选择扩展名为zip的刷机包文件!\r\n\r\n请重新选择文件,并保证其路径完整!", 0, "警告!") -> 1)";

TEST_F(Dispatch, TheInitialFormOffersTheRebootToTheSystem) {
    EXPECT_EQ(FirstCall(), kAskRebootToSystem);
}

TEST_F(Dispatch, EachSelectionRunsItsOperation) {
    // Paths that each flow rejects with its own extension message identify the flow.
    w.REC路径.setContent("C:\\x.txt");
    w.备份路径.setContent("C:\\x.txt");
    w.ROM路径.setContent("C:\\x.txt");
    host.files["C:\\Tarnwick\\recovery\\find5_twrp_recovery.img"] = "find5";

    w.重新启动.setChecked(false);
    w.重启到REC.setChecked(true);
    EXPECT_EQ(FirstCall(), kAskRebootToRecovery);
    w.重启到REC.setChecked(false);
    w.重启到FAST.setChecked(true);
    EXPECT_EQ(FirstCall(), kAskRebootToBootloader);

    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入集成REC);
    SetPresetItem(0);
    EXPECT_EQ(FirstCall(), R"(ProgramDirectory() -> "C:\\Tarnwick")");
    EXPECT_EQ(host.calls()[1],
              R"(FileExists("C:\\Tarnwick\\recovery\\find5_twrp_recovery.img") -> true)");
    SetPresetItem(1);
    FirstCall();
    EXPECT_EQ(host.calls()[1],
              R"(FileExists("C:\\Tarnwick\\recovery\\find7_twrp_recovery.img") -> false)");
    SelectRecoveryOption(w.刷入自定REC);
    EXPECT_EQ(FirstCall(), kChosenImageCheck);
    SelectRecoveryOption(w.备份);
    EXPECT_EQ(FirstCall(), kBackupCheck);

    SelectFamily(w.ROM单选框);
    EXPECT_EQ(FirstCall(), kPackageCheck);
}

TEST_F(Dispatch, RebootOptionsCountOnlyWhileTheRebootFamilyIsSelected) {
    // A reboot option keeps its mark inside its disabled group while another family is
    // selected. 备份 is selected from the start.
    w.备份路径.setContent("C:\\x.txt");
    w.ROM路径.setContent("C:\\x.txt");
    for (ui::RadioButton* reboot : {&w.重新启动, &w.重启到REC, &w.重启到FAST}) {
        SCOPED_TRACE(reboot->name());
        for (ui::RadioButton* option : {&w.重新启动, &w.重启到REC, &w.重启到FAST}) {
            option->setChecked(option == reboot);
        }
        SelectFamily(w.REC单选框);
        EXPECT_EQ(FirstCall(), kBackupCheck);
        SelectFamily(w.ROM单选框);
        EXPECT_EQ(FirstCall(), kPackageCheck);
    }
}

TEST_F(Dispatch, ASelectionThatNamesNoOperationDoesNothing) {
    SetPresetItem(-1);
    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入集成REC);
    EXPECT_EQ(FirstCall(), "");  // no preset item current

    w.刷入集成REC.setChecked(false);
    EXPECT_EQ(FirstCall(), "");  // no option of REC分组框

    SelectFamily(w.重启单选框);
    w.重新启动.setChecked(false);
    EXPECT_EQ(FirstCall(), "");  // no reboot option

    w.重启单选框.setChecked(false);
    w.重新启动.setChecked(true);
    EXPECT_EQ(FirstCall(), "");  // no family
    EXPECT_FALSE(w.显示框.visible());
}

TEST_F(Dispatch, ALogViewThatIsShownDoesNotStopTheNextOperation) {
    w.显示框.setVisible(true);
    EXPECT_EQ(FirstCall(), kAskRebootToSystem);
}

TEST(Reboots, EachAsksAndRunsItsCommandOnlyOnOk) {
    struct Case {
        void (*reboot)(Host&);
        const char* question;
        const char* command;
    };
    const Case cases[] = {
        {RebootToSystem, "确认重新启动?", "cmd /c adb reboot||fastboot reboot"},
        {RebootToRecovery, "确认重启到Recovery?", "cmd /c adb reboot recovery"},
        {RebootToBootloader, "确认重启到重启到Fastboot?", "cmd /c adb reboot bootloader"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ::tarnwick::testing::FakeHost host;
        host.messageResults = {0, 1};
        c.reboot(host);  // OK
        c.reboot(host);  // Cancel
        using ::tarnwick::testing::Quoted;
        EXPECT_EQ(host.calls(),
                  (Record{"ShowMessage(" + Quoted(c.question) + ", 1, \"请确认...\") -> 0",
                          "RunCommand(" + Quoted(c.command) + ", true, 1) -> exit 0",
                          "ShowMessage(" + Quoted(c.question) + ", 1, \"请确认...\") -> 1"}));
    }
}

// Each flow's reboots fail: each failure is in the log, and the flow goes on (a phone already
// in its bootloader is not seen by adb), as the reboot after it shows.
TEST_F(Dispatch, AFlowLogsEachFailedRebootAndGoesOn) {
    const char* reboots[] = {"cmd /c adb reboot bootloader", "cmd /c fastboot boot recovery.img",
                             "cmd /c fastboot reboot", "cmd /c adb reboot recovery",
                             "cmd /c adb reboot"};
    for (const char* reboot : reboots) {
        host.commandResults[reboot] = {true, 1, "* daemon started successfully\nerror: no device"};
    }
    host.files["C:\\Tarnwick\\recovery\\find5_twrp_recovery.img"] = "find5";
    MakesWorkImage("cmd /c copy /y C:\\Tarnwick\\recovery\\find5_twrp_recovery.img recovery.img");
    w.备份路径.setContent("C:\\backup.img");
    w.ROM路径.setContent("C:\\update.zip");
    struct Case {
        ui::RadioButton& family;
        ui::RadioButton& option;
        int bootNow;
        std::vector<int> failed;  // the reboots that the log names in this order
    };
    const Case cases[] = {{w.REC单选框, w.刷入集成REC, 0, {0, 1}},
                          {w.REC单选框, w.刷入集成REC, 1, {0, 2}},
                          {w.REC单选框, w.备份, 0, {3, 4}},
                          {w.ROM单选框, w.备份, 0, {3, 3}}};
    for (const Case& c : cases) {
        SelectFamily(c.family);
        SelectRecoveryOption(c.option);
        host.messageResults = {0, c.bootNow};
        RunSelectedOperation(w, host);
        std::size_t at = 0;
        for (int failed : c.failed) {
            const Text told =
                "命令执行失败(返回值1): " + Text(reboots[failed]) + "\r\nerror: no device\r\n";
            at = w.显示窗.content().bytes().find(told.bytes(), at + 1);
            EXPECT_NE(at, std::string::npos) << w.显示窗.content();
        }
    }
}

TEST_F(Dispatch, ARebootNeitherLogsNorShowsTheLogView) {
    host.messageResults = {0};
    w.显示窗.setContent("earlier log");
    RunSelectedOperation(w, host);
    EXPECT_EQ(host.calls(), Lines(R"(
ShowMessage("确认重新启动?", 1, "请确认...") -> 0
RunCommand("cmd /c adb reboot||fastboot reboot", true, 1) -> exit 0)"));
    EXPECT_FALSE(w.显示框.visible());
    EXPECT_EQ(w.显示窗.content(), "earlier log");
}

}  // namespace
}  // namespace tarnwick::flash::testing
