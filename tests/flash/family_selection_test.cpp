// The family radio buttons enable their own options and disable the others'; the browse
// actions fill their box from the shared chooser, also when the user cancels.
#include "flash/family_selection.h"

#include "tests/flash/flash_window_test.h"

namespace tarnwick::flash::testing {
namespace {

class FamilySelection : public FlashWindowTest {
protected:
    // Which of the thirteen options are enabled, in the order of the reboot, recovery and
    // package families, as a string of E (enabled) and d (disabled).
    std::string EnabledOptions() const {
        std::string states;
        for (const ui::Control* option : std::initializer_list<const ui::Control*>{
                 &w.重新启动, &w.重启到REC, &w.重启到FAST, &w.刷入集成REC, &w.选择集成REC,
                 &w.刷入自定REC, &w.REC路径, &w.临时进入REC, &w.备份, &w.备份路径, &w.清空DATA,
                 &w.清空CACHE, &w.ROM路径}) {
            states += option->disabled() ? 'd' : 'E';
        }
        return states;
    }
    // Everything the handlers must leave alone.
    std::string Selection() const {
        std::string marks;
        for (const bool mark :
             {w.重启单选框.checked(), w.REC单选框.checked(), w.ROM单选框.checked(),
              w.重新启动.checked(), w.重启到REC.checked(), w.重启到FAST.checked(),
              w.刷入集成REC.checked(), w.刷入自定REC.checked(), w.备份.checked(),
              w.临时进入REC.checked(), w.清空DATA.checked(), w.清空CACHE.checked()}) {
            marks += mark ? '1' : '0';
        }
        return marks;
    }
};

TEST_F(FamilySelection, EachFamilyEnablesItsOwnOptionsOnly) {
    ASSERT_EQ(EnabledOptions(), "EEEdddddddddE");  // the template's start

    SelectFamily(w.REC单选框);
    SelectRecoveryFamily(w);
    EXPECT_EQ(EnabledOptions(), "dddEEEEEEEddd");

    SelectFamily(w.ROM单选框);
    SelectPackageFamily(w, host);
    EXPECT_EQ(EnabledOptions(), "ddddddddddEEE");

    SelectFamily(w.重启单选框);
    SelectRebootFamily(w);
    EXPECT_EQ(EnabledOptions(), "EEEdddddddddd");

    EXPECT_FALSE(w.REC分组框.disabled());
    EXPECT_FALSE(w.REC分组框1.disabled());
    EXPECT_FALSE(w.重启分组框.disabled());
    EXPECT_EQ(w.REC路径.content(), "");
}

TEST_F(FamilySelection, AFamilyThatIsNotSelectedChangesNothing) {
    // 重启单选框 is selected: the other two handlers do nothing, the chooser included.
    SelectRecoveryFamily(w);
    SelectPackageFamily(w, host);
    EXPECT_EQ(EnabledOptions(), "EEEdddddddddE");
    EXPECT_TRUE(host.calls().empty());
    w.重启单选框.setChecked(false);
    w.重新启动.setDisabled(true);
    SelectRebootFamily(w);
    EXPECT_TRUE(w.重新启动.disabled());
}

TEST_F(FamilySelection, TheHandlersChangeNoSelectionOrText) {
    w.临时进入REC.setChecked(true);
    w.清空DATA.setChecked(true);
    w.REC路径.setContent("C:\\img\\twrp.img");
    SelectFamily(w.REC单选框);
    const std::string before = Selection();
    SelectRecoveryFamily(w);
    SelectFamily(w.重启单选框);
    SelectRebootFamily(w);
    SelectFamily(w.REC单选框);
    EXPECT_EQ(Selection(), before);
    EXPECT_EQ(w.REC路径.content(), "C:\\img\\twrp.img");
}

TEST_F(FamilySelection, ThePackageChooserOpensOnEveryClickAndACancelKeepsThePreviousName) {
    SelectFamily(w.ROM单选框);
    host.chooserPaths = {Text("C:\\roms\\update.zip"), std::nullopt};
    w.通用对话框1.keepCurrentDirectory = false;
    SelectPackageFamily(w, host);
    EXPECT_EQ(w.ROM路径.content(), "C:\\roms\\update.zip");
    EXPECT_TRUE(w.通用对话框1.keepCurrentDirectory);
    w.ROM路径.setContent("typed");
    SelectPackageFamily(w, host);  // cancelled
    EXPECT_EQ(w.ROM路径.content(), "C:\\roms\\update.zip");
    EXPECT_EQ(host.calls(), Lines(R"(
ChooseFile(0, "刷机包(*.zip)|*.zip", "") -> "C:\\roms\\update.zip"
ChooseFile(0, "刷机包(*.zip)|*.zip", "C:\\roms\\update.zip") -> cancelled)"));
}

TEST_F(FamilySelection, TheBrowseActionsShareOneChooser) {
    host.chooserPaths = {Text("C:\\img\\twrp.img"), std::nullopt, std::nullopt,
                         Text("C:\\backup\\old.img"), std::nullopt};
    ChooseImage(w, host);
    EXPECT_EQ(w.REC路径.content(), "C:\\img\\twrp.img");
    ChooseImage(w, host);  // cancelled: the same name again
    EXPECT_EQ(w.REC路径.content(), "C:\\img\\twrp.img");
    ChooseBackupTarget(w, host);  // cancelled: the image's path
    EXPECT_EQ(w.备份路径.content(), "C:\\img\\twrp.img");
    ChooseBackupTarget(w, host);
    EXPECT_EQ(w.备份路径.content(), "C:\\backup\\old.img");
    SelectFamily(w.ROM单选框);
    SelectPackageFamily(w, host);  // cancelled: the backup's path goes into ROM路径
    EXPECT_EQ(w.ROM路径.content(), "C:\\backup\\old.img");
    EXPECT_EQ(host.calls(), Lines(R"(
ChooseFile(0, "IMG镜像文件(*.img)|*.img", "") -> "C:\\img\\twrp.img"
ChooseFile(0, "IMG镜像文件(*.img)|*.img", "C:\\img\\twrp.img") -> cancelled
ChooseFile(1, "IMG镜像文件(*.img)|*.img", "C:\\img\\twrp.img") -> cancelled
ChooseFile(1, "IMG镜像文件(*.img)|*.img", "C:\\img\\twrp.img") -> "C:\\backup\\old.img"
ChooseFile(0, "刷机包(*.zip)|*.zip", "C:\\backup\\old.img") -> cancelled)"));
}

TEST_F(FamilySelection, ACancelledChooserBringsBackTheBareNameOfTheLastImageFlow) {
    w.通用对话框1.fileName = "twrp.img";  // what a chosen-image flow leaves in the chooser
    ChooseImage(w, host);
    EXPECT_EQ(w.REC路径.content(), "twrp.img");
}

}  // namespace
}  // namespace tarnwick::flash::testing
