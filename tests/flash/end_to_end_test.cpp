// The flash mode with the real command runner and real files: fake adb and fastboot in a
// temporary program folder record what they receive, with the content of every argument
// that names a file as it is at that moment.
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "flash/flash_dispatch.h"
#include "flash/reboots.h"
#include "flash/recovery_flash.h"
#include "host/paths.h"
#include "tests/flash/flash_window_test.h"
#include "tests/support/tool_sandbox.h"
#include "tests/support/wine.h"

namespace tarnwick::flash::testing {
namespace {

namespace fs = std::filesystem;
using ::tarnwick::testing::Quoted;
using ::tarnwick::testing::RealCommandsHost;
using ::tarnwick::testing::ScopedEnvironment;
using ::tarnwick::testing::TempFolder;
using ::tarnwick::testing::ToolSandbox;
using ::tarnwick::testing::WineRunsOtherwise;

class FlashEndToEnd : public FlashWindowTest {
protected:
    FlashEndToEnd() { real_.messageResults = {0, 0}; }

    std::string Record() const { return sandbox_.Record(); }

    ToolSandbox sandbox_{"adb", "fastboot"};
    TempFolder& program_ = sandbox_.program;
    TempFolder& records_ = sandbox_.records;
    TempFolder& home_ = sandbox_.home;
    TempFolder& user_ = sandbox_.user;
    RealCommandsHost& real_ = sandbox_.host;
};

// adb's reason when no phone is there, after the lines of its first call.
const std::vector<std::string> kAdbWithoutPhone = {
    "err=* daemon not running; starting now at tcp:5037", "err=* daemon started successfully",
    "err=error: no devices/emulators found", "exit=1"};
const std::vector<std::string> kAdbUnauthorized = {
    "err=error: device unauthorized.", "err=This adb server's $ADB_VENDOR_KEYS is not set",
    "err=Try 'adb kill-server' if that seems wrong.",
    "err=Otherwise check for a confirmation dialog on your device.", "exit=1"};
const char* const kUnauthorizedReason =
    "error: device unauthorized.\r\nThis adb server's $ADB_VENDOR_KEYS is not set\r\nTry 'adb "
    "kill-server' if that seems wrong.\r\nOtherwise check for a confirmation dialog on your "
    "device.";
const std::vector<std::string> kFastbootWithoutPhone = {"err=< waiting for any device >", "hang"};

// The reboot to the system runs fastboot only when adb fails (a phone in the bootloader, which
// adb does not see); a reboot that failed is told in one warning, one that worked in none.
TEST_F(FlashEndToEnd, TheRebootsRunTheirToolsAndTellAFailure) {
    struct Case {
        void (*reboot)(Host&);
        std::vector<std::string> adb;
        std::vector<std::string> fastboot;
        const char* record;
        std::string warning;  // after 重启失败!, or none
    };
    const Case cases[] = {
        {RebootToSystem, {"exit=0"}, {}, "[adb]\nreboot\n", ""},
        {RebootToSystem, {"exit=1"}, {}, "[adb]\nreboot\n[fastboot]\nreboot\n", ""},
        // Both failed: adb's reason, and fastboot given up for want of a phone in its mode.
        {RebootToSystem, kAdbWithoutPhone, kFastbootWithoutPhone,
         "[adb]\nreboot\n[fastboot]\nreboot\n",
         "命令执行失败(返回值258): cmd /c adb reboot||fastboot reboot\r\nerror: no "
         "devices/emulators found\r\n未检测到处于Fastboot模式的手机"},
        {RebootToSystem, kAdbUnauthorized, kFastbootWithoutPhone,
         "[adb]\nreboot\n[fastboot]\nreboot\n",
         "命令执行失败(返回值258): cmd /c adb reboot||fastboot reboot\r\n" +
             std::string(kUnauthorizedReason) + "\r\n未检测到处于Fastboot模式的手机"},
        {RebootToBootloader,
         kAdbWithoutPhone,
         {},
         "[adb]\nreboot\nbootloader\n",
         "命令执行失败(返回值1): cmd /c adb reboot bootloader\r\nerror: no devices/emulators "
         "found"},
        {RebootToRecovery,
         kAdbUnauthorized,
         {},
         "[adb]\nreboot\nrecovery\n",
         "命令执行失败(返回值1): cmd /c adb reboot recovery\r\n" +
             std::string(kUnauthorizedReason)},
    };
    real_.deviceWaitLimit = std::chrono::seconds(1);
    for (const Case& c : cases) {
        if (c.adb.front() == "exit=0" &&
            WineRunsOtherwise("cmd /c adb reboot||fastboot reboot") != nullptr) {
            continue;
        }
        SCOPED_TRACE(c.record);
        sandbox_.WriteTool("adb", c.adb);
        sandbox_.WriteTool("fastboot", c.fastboot);
        fs::remove(records_ / "record.txt");
        real_.ClearCalls();
        real_.messageResults = {0};

        c.reboot(real_);

        EXPECT_EQ(Record(), c.record);
        const std::string warning =
            c.warning.empty()
                ? ""
                : "ShowMessage(" + Quoted(Text("重启失败!\r\n\r\n") + c.warning.c_str()) +
                      ", 0, \"警告!\") -> 0";
        EXPECT_EQ(real_.calls().size() > 1 ? real_.calls()[1] : "", warning);
    }
}

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

TEST_F(FlashEndToEnd, AChosenImageWithBlanksAndAmpersandIsCopiedAndFlashed) {
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

TEST_F(FlashEndToEnd, OnlyAFastbootStillWaitingForAPhoneIsEndedAndThatEndsTheOperation) {
    const std::string flash =
        "[adb]\nreboot\nbootloader\n"
        "[fastboot]\nflash\nrecovery\nrecovery.img\n<<FIND5 IMAGE>>\n";
    struct Case {
        const char* what;
        std::vector<std::string> fastboot;  // what it does after it said it waits
        std::string record;
        const char* logEnd;
    };
    const Case cases[] = {
        // No boot question and no other fastboot: they would wait for the same absent phone.
        {"no phone turns up",
         {"hang"},
         flash,
         "命令执行失败(返回值258): cmd /c fastboot flash recovery recovery.img\r\n操作失败!\r\n"},
        {"the phone turns up late and the flash works past the limit",
         {"work=0.2", "out=Sending 'recovery'", "work=1.5"},
         flash + "[fastboot]\nboot\nrecovery.img\n<<FIND5 IMAGE>>\n",
         "操作已完成...\r\n"},
    };
    real_.deviceWaitLimit = std::chrono::seconds(1);
    program_.Write("recovery/find5_twrp_recovery.img", "FIND5 IMAGE");
    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入集成REC);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> acts = {"err=< waiting for any device >"};
        acts.insert(acts.end(), c.fastboot.begin(), c.fastboot.end());
        sandbox_.WriteTool("fastboot", acts);
        fs::remove(records_ / "record.txt");
        real_.messageResults = {0, 0};

        RunSelectedOperation(w, real_);

        EXPECT_EQ(Record(), c.record);
        EXPECT_TRUE(w.显示窗.content().bytes().ends_with(Text(c.logEnd).bytes()))
            << w.显示窗.content();
        EXPECT_EQ(real_.messageResults.empty(), c.record != flash);  // the boot question
        EXPECT_FALSE(fs::exists(program_ / "recovery.img"));
    }
}

// Whatever names the image and the program folder go by, the flashed image is the chosen
// one, and no file of the user's is renamed, overwritten or deleted.
TEST_F(FlashEndToEnd, TheWorkFileNeverCostsTheUserAFile) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> programFiles;  // name, content
        std::optional<PresetImage> preset;  // else the chosen image below
        std::string chosen;                 // under the program folder's other name "link"
        std::string flashed;
        bool workFileStays;
        // A link, or names that differ only in case: only off Windows.
        bool posixNames = false;
    };
    const Case cases[] = {
        {"an image in the program folder reached through a link",
         {{"twrp.img", "MINE"}},
         {},
         "link/twrp.img",
         "MINE",
         false,
         true},
        {"the program folder's own recovery.img reached through a link",
         {{"recovery.img", "MINE"}},
         {},
         "link/recovery.img",
         "MINE",
         true,
         true},
        {"Recovery.img beside a leftover recovery.img",
         {{"Recovery.img", "UPPER"}, {"recovery.img", "STALE"}},
         {},
         "link/Recovery.img",
         "UPPER",
         false,
         true},
        {"an image outside whose name is in the program folder too",
         {{"twrp.img", "OTHER"}},
         {},
         "",
         "CHOSEN",
         false},
        {"the Find 5 preset with a file of its name in the program folder",
         {{"find5_twrp_recovery.img", "OTHER"}},
         PresetImage::Find5,
         "",
         "FIND5",
         false},
        {"the Find 7 preset with a file of its name in the program folder",
         {{"find7_twrp_recovery.img", "OTHER"}},
         PresetImage::Find7,
         "",
         "FIND7",
         false},
    };
#ifndef _WIN32
    fs::create_directory_symlink(program_.path(), home_ / "link");
#endif
    user_.Write("twrp.img", "CHOSEN");
    program_.Write("recovery/find5_twrp_recovery.img", "FIND5");
    program_.Write("recovery/find7_twrp_recovery.img", "FIND7");
    for (const Case& c : cases) {
#ifdef _WIN32
        if (c.posixNames) {
            continue;
        }
#endif
        SCOPED_TRACE(c.what);
        fs::remove(records_ / "record.txt");
        for (const auto& [name, content] : c.programFiles) {
            program_.Write(name, content);
        }
        real_.messageResults = {0, 0};
        if (c.preset) {
            FlashPresetImage(w, real_, *c.preset);
        } else {
            w.REC路径.setContent(
                ProgramPath(c.chosen.empty() ? user_ / "twrp.img" : home_ / c.chosen));
            FlashChosenImage(w, real_);
        }

        EXPECT_EQ(Record(),
                  "[adb]\nreboot\nbootloader\n"
                  "[fastboot]\nflash\nrecovery\nrecovery.img\n<<" +
                      c.flashed + ">>\n[fastboot]\nboot\nrecovery.img\n<<" + c.flashed + ">>\n");
        for (const auto& [name, content] : c.programFiles) {
            if (name != "recovery.img" || c.workFileStays) {
                EXPECT_EQ(program_.Read(name), content) << name;
            }
        }
        EXPECT_EQ(fs::exists(program_ / "recovery.img"), c.workFileStays);
        EXPECT_EQ(user_.Read("twrp.img"), "CHOSEN");
        EXPECT_TRUE(w.显示窗.content().bytes().ends_with(Text("操作已完成...\r\n").bytes()));
        for (const auto& [name, content] : c.programFiles) {
            fs::remove(program_ / name);
        }
    }
}

TEST_F(FlashEndToEnd, AWorkFileThatCannotBeRemovedStopsTheFlashBeforeThePhoneIsTouched) {
    program_.Write("recovery/find5_twrp_recovery.img", "FIND5");
    fs::create_directory(program_ / "recovery.img");  // no delete removes a folder
    SelectFamily(w.REC单选框);
    SelectRecoveryOption(w.刷入集成REC);

    RunSelectedOperation(w, real_);

    EXPECT_EQ(Record(), "");
    EXPECT_TRUE(fs::is_empty(program_ / "recovery.img"));
    EXPECT_EQ(w.显示窗.content(),
              "请勿断开手机连接...\r\n正在部署...\r\n文件准备失败!\r\n操作失败!\r\n");
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
    sandbox_.RemoveTool("adb");
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
            .bytes()))
        << w.显示窗.content();
}

}  // namespace
}  // namespace tarnwick::flash::testing
