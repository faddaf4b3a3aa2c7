// The program's command lines with the real adb and fastboot (Debian's on Linux, the built
// adb.exe and fastboot.exe under Wine, copied from the folder TARNWICK_ANDROID_TOOLS names)
// against the tests' own phone, support/fake_phone.py, which runs this program and records
// what reaches it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "host/command_paths.h"
#include "host/paths.h"
#include "steps/commands.h"
#include "tests/support/tool_sandbox.h"

namespace tarnwick::testing {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// The Linux path that the environment variable holds, as this program reaches it.
fs::path PathFrom(const char* variable) {
    const char* path = std::getenv(variable);
    return fs::u8path((kWindows ? "Z:" : "") + std::string(path != nullptr ? path : ""));
}

fs::path PhoneRecord() {
    return PathFrom("TARNWICK_PHONE_RECORD");
}

// What reached the phone since the last call.
std::string TakeRecord() {
    std::ostringstream content;
    content << std::ifstream(PhoneRecord(), std::ios::binary).rdbuf();
    fs::remove(PhoneRecord());
    return content.str();
}

class RealTools : public ::testing::Test {
protected:
    RealTools() {
        if (kWindows) {
            for (const char* file :
                 {"adb.exe", "fastboot.exe", "AdbWinApi.dll", "AdbWinUsbApi.dll"}) {
                fs::copy_file(PathFrom("TARNWICK_ANDROID_TOOLS") / file, sandbox_.program / file);
            }
        }
        TakeRecord();  // from none of this test's tools
    }

    ToolSandbox sandbox_{};
};

// One row for each command that the flash and push modes compose; the pushed and flashed bytes
// arrive unchanged, with the file's mode: on Windows there is none to send but 0666.
TEST_F(RealTools, EachCommandOfTheProgramReachesThePhone) {
    const std::string image = "ANDROID!" + std::string(2040, '5');  // a boot image's length
    sandbox_.program.Write("recovery.img", image);
    sandbox_.program.Write("command.txt", "--update_package=/sdcard/oppo-update.zip\n");
    sandbox_.user.Write("刷机 包.zip", "PACKAGE");
    sandbox_.user.Write("Foo.apk", "APK");
    for (const char* file : {"刷机 包.zip", "Foo.apk"}) {  // whatever the umask
        fs::permissions(sandbox_.user / file, fs::perms(0644));
    }
    const Text package = CommandLinePath(ProgramPath(sandbox_.user / "刷机 包.zip"));
    const std::string mode = kWindows ? "0666" : "0644";
    struct Row {
        Text commandLine;
        std::string record;
    };
    const Row rows[] = {
        {"cmd /c adb reboot", "[adb] reboot:\n"},
        {"cmd /c adb reboot recovery", "[adb] reboot:recovery\n"},
        {"cmd /c adb reboot bootloader", "[adb] reboot:bootloader\n"},
        {"cmd /c adb push " + package + " /sdcard/oppo-update.zip",
         "[adb] push /sdcard/oppo-update.zip " + mode + " <<PACKAGE>>\n"},
        {"cmd /c adb push command.txt /cache/recovery/command",
         "[adb] push /cache/recovery/command " + mode +
             " <<--update_package=/sdcard/oppo-update.zip\n>>\n"},
        {"cmd /c adb push " + package + " /sdcard/",
         "[adb] push /sdcard/刷机 包.zip " + mode + " <<PACKAGE>>\n"},
        {"cmd /c adb install " + CommandLinePath(ProgramPath(sandbox_.user / "Foo.apk")),
         "[adb] push /data/local/tmp/Foo.apk " + mode +
             " <<APK>>\n[adb] shell:pm 'install' '/data/local/tmp/Foo.apk'\n"
             "[adb] shell:rm '/data/local/tmp/Foo.apk' </dev/null\n"},
        {"cmd /c adb shell \"dd if=/dev/block/platform/msm_sdcc.1/by-name/recovery "
         "of=/cache/bak_recovery.img\"",
         "[adb] shell:dd if=/dev/block/platform/msm_sdcc.1/by-name/recovery "
         "of=/cache/bak_recovery.img\n"},
        {"cmd /c adb pull /cache/bak_recovery.img " +
             CommandLinePath(ProgramPath(sandbox_.user / "备份 recovery.img")),
         "[adb] pull /cache/bak_recovery.img\n"},
        {"cmd /c adb shell su -c chmod 644 /system/app/Foo.apk",
         "[adb] shell:su -c chmod 644 /system/app/Foo.apk\n"},
        {"cmd /c adb kill-server&adb start-server&adb devices&adb reboot recovery",
         "[adb] host:kill\n[adb] host:devices\n[adb] reboot:recovery\n"},
        {"cmd /c fastboot flash recovery recovery.img",
         "[fastboot] download <<" + image + ">>\n[fastboot] flash:recovery\n"},
        {"cmd /c fastboot boot recovery.img",
         "[fastboot] download <<" + image + ">>\n[fastboot] boot\n"},
        {"cmd /c fastboot reboot", "[fastboot] reboot\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.commandLine.bytes());
        const CommandResult result = sandbox_.host.RunCommand(row.commandLine, true, 1);
        EXPECT_TRUE(result.Succeeded()) << result.output.bytes();
        EXPECT_EQ(TakeRecord(), row.record);
    }
    EXPECT_EQ(sandbox_.user.Read("备份 recovery.img"), "phone's /cache/bak_recovery.img");
}

// adb's reason reaches the warning without the carriage returns of adb.exe's line ends.
TEST_F(RealTools, AFailedRebootTellsAdbsReasonAsOnLinux) {
    std::ofstream(PhoneRecord().string() + ".absent").put('\n');
    const std::optional<Text> failure = RunReboot(sandbox_.host, "cmd /c adb reboot recovery");
    fs::remove(PhoneRecord().string() + ".absent");
    EXPECT_EQ(failure, Text("命令执行失败(返回值1): cmd /c adb reboot recovery\r\n"
                            "error: no devices/emulators found\r\n"));
}

}  // namespace
}  // namespace tarnwick::testing
