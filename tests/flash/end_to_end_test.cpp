// The flash mode with the real command runner and real files: fake adb and fastboot in a
// temporary program folder record what they receive, with the content of every argument
// that names a file as it is at that moment.
#include <string>

#include "flash/flash_dispatch.h"
#include "host/paths.h"
#include "tests/flash/flash_window_test.h"
#include "tests/support/tool_sandbox.h"

namespace tarnwick::flash::testing {
namespace {

namespace fs = std::filesystem;
using ::tarnwick::testing::RealCommandsHost;
using ::tarnwick::testing::ScopedEnvironment;
using ::tarnwick::testing::TempFolder;
using ::tarnwick::testing::ToolSandbox;

class FlashEndToEnd : public FlashWindowTest {
protected:
    FlashEndToEnd() { real_.messageResults = {0, 0}; }

    std::string Record() const { return sandbox_.Record(); }

    ToolSandbox sandbox_{"adb", "fastboot"};
    TempFolder& program_ = sandbox_.program;
    TempFolder& records_ = sandbox_.records;
    TempFolder& user_ = sandbox_.user;
    RealCommandsHost& real_ = sandbox_.host;
};

TEST_F(FlashEndToEnd, ThePresetImageIsFlashedAndTheWorkFileIsGone) {
    program_.Write("recovery/find5_twrp_recovery.img", "FIND5 IMAGE");
    program_.Write("recovery.img", "STALE");  // left by an interrupted run
    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入集成REC);

    RunSelectedOperation(w, real_);

    EXPECT_EQ(Record(),
              "[adb]\nreboot\nbootloader\n"
              "[fastboot]\nflash\nrecovery\nrecovery.img\n<<FIND5 IMAGE>>\n"
              "[fastboot]\nboot\nrecovery.img\n<<FIND5 IMAGE>>\n");
    EXPECT_FALSE(fs::exists(program_ / "recovery.img"));
    EXPECT_FALSE(fs::exists(program_ / "find5_twrp_recovery.img"));
    EXPECT_EQ(program_.Read("recovery/find5_twrp_recovery.img"), "FIND5 IMAGE");
    EXPECT_TRUE(w.显示窗.content().bytes().ends_with(Text(". \r\n操作已完成...\r\n").bytes()));
}

TEST_F(FlashEndToEnd, AChosenImageWithBlanksAndAmpersandIsCopiedRenamedAndFlashed) {
    user_.Write("my imgs/a&b 1.img", "CHOSEN IMAGE");
    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入自定REC);
    w.REC路径.setContent(ProgramPath(user_ / "my imgs" / "a&b 1.img"));

    RunSelectedOperation(w, real_);

    EXPECT_EQ(Record(),
              "[adb]\nreboot\nbootloader\n"
              "[fastboot]\nflash\nrecovery\nrecovery.img\n<<CHOSEN IMAGE>>\n"
              "[fastboot]\nboot\nrecovery.img\n<<CHOSEN IMAGE>>\n");
    EXPECT_FALSE(fs::exists(program_ / "recovery.img"));
    EXPECT_FALSE(fs::exists(program_ / "a&b 1.img"));
    EXPECT_EQ(user_.Read("my imgs/a&b 1.img"), "CHOSEN IMAGE");
    EXPECT_EQ(w.通用对话框1.fileName, "a&b 1.img");
}

TEST_F(FlashEndToEnd, AChosenImageInTheProgramFolderIsKept) {
    program_.Write("twrp.img", "MINE");
    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入自定REC);
    w.REC路径.setContent(ProgramPath(program_ / "twrp.img"));

    RunSelectedOperation(w, real_);

    EXPECT_EQ(Record(),
              "[adb]\nreboot\nbootloader\n"
              "[fastboot]\nflash\nrecovery\nrecovery.img\n<<MINE>>\n"
              "[fastboot]\nboot\nrecovery.img\n<<MINE>>\n");
    EXPECT_FALSE(fs::exists(program_ / "recovery.img"));
    EXPECT_EQ(program_.Read("twrp.img"), "MINE");
}

TEST_F(FlashEndToEnd, TheUpdatePackageAndTheExactCommandFileArePushedAndTheFileIsGone) {
    user_.Write("my roms/update 1.zip", "PACKAGE");
    SelectFamily(w.ROM单选框);
    w.ROM路径.setContent(ProgramPath(user_ / "my roms" / "update 1.zip"));
    w.清空DATA.setChecked(true);
    w.清空CACHE.setChecked(true);

    RunSelectedOperation(w, real_);

    EXPECT_EQ(Record(), "[adb]\npush\n" + (user_ / "my roms" / "update 1.zip").string() +
                            "\n<<PACKAGE>>\n/sdcard/oppo-update.zip\n"
                            "[adb]\nreboot\nrecovery\n"
                            "[adb]\npush\ncommand.txt\n"
                            "<<boot-recovery\r\n--update_package=/sdcard/oppo-update.zip\r\n"
                            "--wipe_data\r\n--wipe_cache\r\n>>\n"
                            "/cache/recovery/command\n"
                            "[adb]\nreboot\nrecovery\n");
    EXPECT_FALSE(fs::exists(program_ / "command.txt"));
    EXPECT_TRUE(w.显示窗.content().bytes().ends_with(Text(". \r\n操作已完成....\r\n").bytes()));
}

TEST_F(FlashEndToEnd, AMissingAdbStopsTheUpdateBeforeAnyCommandFileIsWritten) {
    fs::remove(program_ / "adb");
    user_.Write("update.zip", "PACKAGE");
    SelectFamily(w.ROM单选框);
    w.ROM路径.setContent(ProgramPath(user_ / "update.zip"));
    // No adb anywhere: the interpreter runs, but does not know the name (as cmd, 9009).
    ScopedEnvironment path("PATH", records_.path().string());

    RunSelectedOperation(w, real_);

    EXPECT_EQ(Record(), "");
    EXPECT_FALSE(fs::exists(program_ / "command.txt"));
    EXPECT_TRUE(w.显示窗.content().bytes().ends_with(
        Text("命令执行失败(返回值9009): cmd /c adb push " + ProgramPath(user_ / "update.zip") +
             " /sdcard/oppo-update.zip\r\n操作失败!\r\n")
            .bytes()));
}

}  // namespace
}  // namespace tarnwick::flash::testing
