#include "flash/recovery_flash.h"

#include "flash/flash_steps.h"
#include "flash/recovery_image.h"
#include "host/bare_file_name.h"
#include "host/command_paths.h"
#include "host/path_parts.h"
#include "steps/path_checks.h"

namespace tarnwick::flash {

namespace {

Text PresetFileName(PresetImage preset) {
    return preset == PresetImage::Find5 ? "find5_twrp_recovery.img" : "find7_twrp_recovery.img";
}

// A work file that an interrupted run left behind would be flashed in place of the image.
void RemoveStaleWorkImage(Host& host) {
    host.DeleteFile("recovery.img");
}

// The copy and rename steps must have made the work file; without it nothing is flashed and
// the phone is not rebooted.
bool WorkImageReady(ui::FlashWindow& w, Host& host) {
    if (host.FileExists("recovery.img")) {
        return true;
    }
    Log(w, host, "文件准备失败!\r\n");
    Log(w, host, "操作失败!\r\n");
    return false;
}

enum class ImagePlace { WorkFileItself, ProgramDirectory, Elsewhere };

// Where the chosen image lies. A name without a folder resolves in the current directory,
// which is the program directory.
ImagePlace PlaceOf(const Text& image, const Text& programDirectory) {
    if (FindText(image, "\\") != -1 && !SamePathText(FolderOf(image), programDirectory)) {
        return ImagePlace::Elsewhere;
    }
    return SamePathText(NameOf(image), "recovery.img") ? ImagePlace::WorkFileItself
                                                       : ImagePlace::ProgramDirectory;
}

// Makes the work file from the chosen image without ever renaming, overwriting or deleting
// the user's file. The user's own recovery.img is the work file already.
WorkImage PrepareChosenImage(Host& host, const Text& image, const Text& bareName,
                             const Text& programDirectory) {
    switch (PlaceOf(image, programDirectory)) {
        case ImagePlace::WorkFileItself:
            return WorkImage::UsersOwn;
        case ImagePlace::ProgramDirectory:
            RemoveStaleWorkImage(host);
            Run(host, "cmd /c copy /y " + CommandLinePath(image) + " recovery.img");
            return WorkImage::Copy;
        case ImagePlace::Elsewhere:
            RemoveStaleWorkImage(host);
            // Copied into the program directory under its own name, then renamed there.
            Run(host, "cmd /c copy /y " + CommandLinePath(image) + " " +
                          CommandLinePath(programDirectory));
            Run(host, "cmd /c rename " + CommandLinePath(bareName) + " recovery.img");
            return WorkImage::Copy;
    }
    return WorkImage::Copy;
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
    RemoveStaleWorkImage(host);
    // One interpreter call: copy the preset into the program directory, rename the copy.
    Run(host, "cmd /c copy /y " + CommandLinePath(source) + " " +
                  CommandLinePath(programDirectory) + "&rename " + name + " recovery.img");
    if (!WorkImageReady(w, host)) {
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
    // The bare name of the image that is checked, copied and flashed; the chooser keeps it.
    const Text bareName = BareFileName(image);
    w.通用对话框1.fileName = bareName;
    const WorkImage workImage = PrepareChosenImage(host, image, bareName, programDirectory);
    if (!WorkImageReady(w, host)) {
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
