#include "flash/recovery_flash.h"

#include "flash/flash_steps.h"
#include "flash/recovery_image.h"
#include "host/bare_file_name.h"
#include "host/command_paths.h"
#include "steps/path_checks.h"

namespace tarnwick::flash {

namespace {

Text PresetFileName(PresetImage preset) {
    return preset == PresetImage::Find5 ? "find5_twrp_recovery.img" : "find7_twrp_recovery.img";
}

// Makes the work file "recovery.img" a fresh copy of the image, straight from where it lies,
// so that no other file of the program directory is written. A leftover work file that
// cannot be removed, or a failed copy, would leave another image to flash: then the
// operation ends here, before the phone is touched.
bool CopyToWorkImage(ui::FlashWindow& w, Host& host, const Text& image) {
    host.DeleteFile("recovery.img");
    if (host.PathExists("recovery.img") ||
        !RunWork(w.显示窗, host, "cmd /c copy /y " + CommandLinePath(image) + " recovery.img")) {
        Log(w, host, "文件准备失败!\r\n");
        Log(w, host, "操作失败!\r\n");
        return false;
    }
    return true;
}

}  // namespace

void FlashPresetImage(ui::FlashWindow& w, Host& host, PresetImage preset) {
    const Text name = PresetFileName(preset);
    const Text programDirectory = host.ProgramDirectory();
    const Text source = programDirectory + "\\recovery\\" + name;
    if (!host.FileExists(source)) {
        host.ShowMessage(
            "集成的Recovery文件不存在!\r\n\r\n请将" + name + "放入程序目录下的recovery文件夹!", 0,
            "警告!");
        return;
    }
    if (!CheckCommandLinePaths(host, {programDirectory})) {
        return;
    }

    StartFlashLog(w);
    Log(w, host, "正在部署...\r\n");
    host.Pause(1000);
    if (!CopyToWorkImage(w, host, source)) {
        return;
    }
    Log(w, host, "文件已准备就绪...\r\n");
    host.Pause(1000);
    RebootToFastbootAndWait(w, host);
    FlashRecoveryImage(w, host);
}

void FlashChosenImage(ui::FlashWindow& w, Host& host) {
    const Text image = w.REC路径.content();
    if (!CheckChosenPath(
            host, image, ".img",
            "请选择扩展名为img的recovery文件!\r\n\r\n请重新选择文件,并保证其路径完整!")) {
        return;
    }
    const Text programDirectory = host.ProgramDirectory();
    if (!CheckCommandLinePaths(host, {image, programDirectory})) {
        return;
    }

    StartFlashLog(w);
    Log(w, host, "正在部署...\r\n");
    host.Pause(1000);
    // The chooser keeps the bare name of the image that is checked, copied and flashed.
    w.通用对话框1.fileName = BareFileName(image);
    // The user's own work file, however its path is spelled, is used in place and kept.
    const WorkImage workImage = host.SameFile(image, programDirectory + "\\recovery.img")
                                    ? WorkImage::UsersOwn
                                    : WorkImage::Copy;
    if (workImage == WorkImage::Copy && !CopyToWorkImage(w, host, image)) {
        return;
    }
    Log(w, host, "已准备就绪...\r\n");
    host.Pause(1000);
    RebootToFastbootAndWait(w, host);
    if (w.临时进入REC.checked()) {
        BootRecoveryImage(w, host, workImage);
    } else {
        FlashRecoveryImage(w, host, workImage);
    }
}

}  // namespace tarnwick::flash
