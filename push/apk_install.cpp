#include "push/apk_install.h"

#include "host/command_paths.h"
#include "push/push_steps.h"
#include "steps/path_checks.h"

namespace tarnwick::push {

namespace {

// adb install has succeeded only when it says so: phones of this age report a failure (or a
// system still starting) in its output alone, with exit code 0.
const OutputVerdict kInstallVerdict = {"Success", {"Failure", "Error", "adb:"}};

}  // namespace

void InstallApk(ui::PushWindow& w, Host& host) {
    w.通用对话框1.filter = "APK程序(*.apk)|*.apk";
    w.通用对话框1.keepCurrentDirectory = true;
    host.ChooseOpenFile(w.通用对话框1);
    const Text apk = w.通用对话框1.fileName;
    // "apk" anywhere in the path, lower case, is taken for an installable file.
    if (!CheckChosenPath(host, apk, "apk",
                         "请选择可安装的APK文件.\r\n\r\n请重新选择文件,并保证其路径完整!") ||
        !CheckCommandLinePaths(host, {apk})) {
        return;
    }

    StartPushLog(w, host, {&w.SD单选框, &w.SYS单选框});
    Log(w, host, "开始安装...\r\n" + apk + "\r\n");
    host.Pause(1000);
    Log(w, host, "等待手机连接...\r\n");
    host.Pause(1000);
    LogOutcome(
        w, host,
        RunWorkJudgedByOutput(w.信息显示窗, host, "cmd /c adb install " + CommandLinePath(apk),
                              kInstallVerdict));
}

}  // namespace tarnwick::push
