#include "flash/recovery_backup.h"

#include "flash/flash_steps.h"
#include "host/command_paths.h"
#include "steps/path_checks.h"

namespace tarnwick::flash {

void BackUpRecovery(ui::FlashWindow& w, Host& host) {
    const Text target = w.备份路径.content();
    if (!CheckChosenPath(
            host, target, ".img",
            "请保存扩展名为img的recovery文件!\r\n\r\n请重新保存文件,并保证其路径完整!") ||
        !CheckCommandLinePaths(host, {target})) {
        return;
    }

    host.ShowMessage("请先打开手机USB调节模式!", 0, "请确认...");
    StartFlashLog(w);
    host.Pause(1000);
    Log(w, host, "正在重启手机到Recovery...\r\n");
    RunRebootLogged(w.显示窗, host, "cmd /c adb reboot recovery");
    DotCountdown(w, host, 2000);
    host.ShowMessage(
        "如果您的手机已经重启,并且已经进入Recovery模式.\r\n\r\n请点击 [确定] 开始备份Recovery...",
        0, "警告!");
    host.Pause(1000);
    Log(w, host, "正在备份Recovery...\r\n");
    host.Pause(1000);
    // The inner quotes hand the whole dd command line to the phone's shell as one argument.
    // An old phone's shell may answer 0 although dd failed; the pull's result is the
    // reliable one.
    const bool read = RunWork(w.显示窗, host,
                              "cmd /c adb shell \"dd "
                              "if=/dev/block/platform/msm_sdcc.1/by-name/recovery "
                              "of=/cache/bak_recovery.img\"");
    const bool pulled = RunWork(
        w.显示窗, host, "cmd /c adb pull /cache/bak_recovery.img " + CommandLinePath(target));
    Run(host, "cmd /c adb shell rm -f /cache/bak_recovery.img");
    Log(w, host, read && pulled ? "备份完成...\r\n" : "备份失败!\r\n");
    host.Pause(1000);
    Log(w, host, "正在重启...\r\n");
    host.Pause(1000);
    RunRebootLogged(w.显示窗, host, "cmd /c adb reboot");
}

}  // namespace tarnwick::flash
