#include "push/card_push.h"

#include "host/command_paths.h"
#include "push/push_steps.h"
#include "steps/path_checks.h"

namespace tarnwick::push {

void PushToMemoryCard(ui::PushWindow& w, Host& host) {
    const Text file = w.SD编辑框1.content();
    if (!CheckFileBox(host, file)) {
        return;
    }
    const std::optional<Text> directory = CheckPhoneFolder(host, w.SD编辑框.content());
    // The phone side of "adb push" passes through no shell: the directory is a path like any.
    if (!directory || !CheckCommandLinePaths(host, {file, *directory})) {
        return;
    }

    StartPushLog(w, host, {&w.APK单选框, &w.SD单选框, &w.SYS单选框});
    Log(w, host, "准备将:\r\n" + file + "\r\n复制到:\r\n" + *directory + "\r\n");
    host.Pause(1000);
    Log(w, host, "等待手机连接...\r\n");
    host.Pause(1000);
    LogOutcome(
        w, host,
        RunWork(w.信息显示窗, host,
                "cmd /c adb push " + CommandLinePath(file) + " " + CommandLinePath(*directory)));
}

}  // namespace tarnwick::push
