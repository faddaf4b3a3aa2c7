#include "flash/recovery_image.h"

#include "flash/flash_steps.h"

namespace tarnwick::flash {

namespace {

void DeleteWorkImage(Host& host, WorkImage image) {
    if (image == WorkImage::Copy) {
        host.DeleteFile("recovery.img");
    }
}

// Offers to start the new recovery at once; Cancel reboots the phone normally.
void StartRecoveryOrSystem(ui::FlashWindow& w, Host& host) {
    if (host.ShowMessage("立即进入Recovery?", 1, "重启?") == MessageOk) {
        // The phone starts the image just flashed, sent again from here.
        RunRebootLogged(w.显示窗, host, "cmd /c fastboot boot recovery.img");
        host.Pause(1000);
    } else {
        RunRebootLogged(w.显示窗, host, "cmd /c fastboot reboot");
    }
}

}  // namespace

void RebootToFastbootAndWait(ui::FlashWindow& w, Host& host) {
    Log(w, host, "正在重启手机到Fastboot...\r\n");
    // A phone already in its bootloader is not seen by adb: the flow goes on regardless.
    RunRebootLogged(w.显示窗, host, "cmd /c adb reboot bootloader");
    DotCountdown(w, host, 2000);
}

void FlashRecoveryImage(ui::FlashWindow& w, Host& host, WorkImage image) {
    // Only holds the flow until the user confirms.
    host.ShowMessage(
        "如果您的手机已经重启,并且已经进入Fastboot模式.\r\n\r\n请点击 [确定] 开始刷入Recovery...",
        0, "警告!");
    host.Pause(1000);
    const CommandResult flash =
        RunWorkWithResult(w.显示窗, host, "cmd /c fastboot flash recovery recovery.img");
    Log(w, host, flash.Succeeded() ? "操作已完成...\r\n" : "操作失败!\r\n");
    // No phone turned up: a boot or a reboot would only wait for it again.
    if (!flash.GaveUpWaiting()) {
        StartRecoveryOrSystem(w, host);
    }
    DeleteWorkImage(host, image);
}

void BootRecoveryImage(ui::FlashWindow& w, Host& host, WorkImage image) {
    host.ShowMessage(
        "如果您的手机已经重启,并且已经进入Fastboot模式.\r\n\r\n请点击 [确定] 开始进入Recovery...",
        0, "警告!");
    host.Pause(1000);
    Log(w, host, "正在进入Recovery,请等待...\r\n");
    host.Pause(2000);
    RunWork(w.显示窗, host, "cmd /c fastboot boot recovery.img");
    DeleteWorkImage(host, image);
}

}  // namespace tarnwick::flash
