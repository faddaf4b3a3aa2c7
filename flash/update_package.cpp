#include "flash/update_package.h"

#include "flash/flash_steps.h"
#include "host/command_paths.h"
#include "steps/path_checks.h"

namespace tarnwick::flash {

namespace {

// Plain ASCII lines ended by CR LF; the wipe of the data partition comes first.
constexpr const char* kBaseCommands =
    "boot-recovery\r\n--update_package=/sdcard/oppo-update.zip\r\n";

Text WipeCommands(bool wipeData, bool wipeCache) {
    Text lines;
    if (wipeData) {
        lines += "--wipe_data\r\n";
    }
    if (wipeCache) {
        lines += "--wipe_cache\r\n";
    }
    return lines;
}

void WriteCommandFile(ui::FlashWindow& w, Host& host) {
    host.WriteFile("command.txt", {ToBytes(kBaseCommands)});
    const Text wipes = WipeCommands(w.清空DATA.checked(), w.清空CACHE.checked());
    if (wipes != "") {
        const Bytes base = host.ReadFile("command.txt");
        host.WriteFile("command.txt", {base + ToBytes(wipes)});
    }
}

}  // namespace

void FlashUpdatePackage(ui::FlashWindow& w, Host& host) {
    const Text package = w.ROM路径.content();
    if (!CheckChosenPath(
            host, package, ".zip",
            "请选择扩展名为zip的刷机包文件!\r\n\r\n请重新选择文件,并保证其路径完整!") ||
        !CheckCommandLinePaths(host, {package})) {
        return;
    }

    StartFlashLog(w);
    host.Pause(1000);
    Log(w, host, "正在将:\r\n" + package + "\r\n推送到:手机SD内存卡中...\r\n");
    host.Pause(1000);
    // Without the package on the phone the recovery would install a stale one or wipe the
    // data for nothing: no command file, no reboot.
    if (!RunWork(w.显示窗, host,
                 "cmd /c adb push " + CommandLinePath(package) + " /sdcard/oppo-update.zip")) {
        Log(w, host, "操作失败!\r\n");
        return;
    }
    Log(w, host, "传输已完成...\r\n");
    host.Pause(1000);
    Log(w, host, "重命名为oppo-update.zip\r\n");  // the fixed name the push gave it
    host.Pause(1000);
    WriteCommandFile(w, host);
    Log(w, host, "正在重启...\r\n");
    RunRebootLogged(w.显示窗, host, "cmd /c adb reboot recovery");
    DotCountdown(w, host, 2500);
    const bool commandsPushed =
        RunWork(w.显示窗, host, "cmd /c adb push command.txt /cache/recovery/command");
    RunRebootLogged(w.显示窗, host, "cmd /c adb reboot recovery");
    host.DeleteFile("command.txt");
    Log(w, host, commandsPushed ? "操作已完成....\r\n" : "操作失败!\r\n");
}

}  // namespace tarnwick::flash
