#include "push/system_push.h"

#include <optional>

#include "host/bare_file_name.h"
#include "host/encoding.h"
#include "push/push_steps.h"
#include "push/system_batches.h"
#include "steps/countdown.h"
#include "steps/path_checks.h"

namespace tarnwick::push {

namespace {

struct SystemPush {
    Text file;       // the checked path in SYS编辑框1, which is also the one pushed
    Text directory;  // SYS编辑框, ending in "/"
    Text name;       // the bare file name, as the file is called on the phone
};

// The name and the directory go unquoted into batch lines and the phone's shell.
std::optional<SystemPush> CheckSystemPush(ui::PushWindow& w, Host& host) {
    const Text file = w.SYS编辑框1.content();
    if (!CheckFileBox(host, file)) {
        return std::nullopt;
    }
    const std::optional<Text> directory = CheckPhoneFolder(host, w.SYS编辑框.content());
    if (!directory) {
        return std::nullopt;
    }
    const SystemPush push{file, *directory, BareFileName(file)};
    if (!CheckCommandLinePaths(host, {push.file}) ||
        !CheckPhoneShellNames(host, {push.name, push.directory}) ||
        !CheckBatchFileTexts(host, {push.file, push.directory})) {
        return std::nullopt;
    }
    return push;
}

void StartSystemPushLog(ui::PushWindow& w, Host& host) {
    StartPushLog(w, host, {&w.APK单选框, &w.SD单选框, &w.SYS单选框, &w.SYS编辑框});
}

void LogPlan(ui::PushWindow& w, Host& host, const SystemPush& push) {
    Log(w, host, "准备将:\r\n" + push.file + "\r\n复制到:\r\n" + push.directory + "\r\n");
    host.Pause(1000);
}

// The chooser keeps the bare name afterwards. An unwritten batch file is not run: a stale one
// from an earlier run could push another file.
bool WriteBatch(ui::PushWindow& w, Host& host, const SystemPush& push, const BatchFile& batch) {
    const std::optional<Bytes> content = BatchFileBytes(batch.content);  // checked to hold
    const bool written = content && host.WriteFile(batch.name, {*content});
    w.通用对话框1.fileName = push.name;
    if (!written) {
        LogOutcome(w, host, false);
    }
    return written;
}

// The user's last word before the transfer; Cancel removes the batch file unrun.
void ConfirmAndRunBatch(ui::PushWindow& w, Host& host, const Text& heading, const BatchFile& batch,
                        const Text& doneLine) {
    if (host.ShowMessage(heading + "\r\n\r\n请点击 [确定] 开始文件传输!\r\n\r\n"
                                   "请注意此操作有可能导致系统崩溃!",
                         1, "警告!") != MessageOk) {
        host.ShowMessage("操作已取消!", 0, "警告!");
        host.DeleteFile(batch.name);
        return;
    }
    Run(host, batch.name);  // the batch file deletes itself at its end
    Log(w, host, doneLine);
    host.Pause(1000);
}

}  // namespace

void PushIntoSystemThroughRecovery(ui::PushWindow& w, Host& host) {
    const std::optional<SystemPush> push = CheckSystemPush(w, host);
    if (!push) {
        return;
    }

    StartSystemPushLog(w, host);
    Log(w, host, "正在尝试重启您的手机..\r\n");
    host.Pause(1000);
    // Judged by its last command, the reboot.
    RunRebootLogged(w.信息显示窗, host,
                    "cmd /c adb kill-server&adb start-server&adb devices&adb reboot recovery");
    Log(w, host, "如手机长时间未重启,请重新连接手机!\r\n");
    host.Pause(1000);
    DotCountdown(w.信息显示窗, host, "等待手机进入Recovery模式....\r\n", 2000);
    // Only holds the flow until the user is ready; however it is closed, the flow goes on.
    host.ShowMessage(
        "如果您的手机已经重启,并且已经进入Recovery模式.\r\n\r\n请点击 [确定] 继续部署下一步操作!",
        0, "警告!");
    LogPlan(w, host, *push);
    const BatchFile batch = ThroughRecoveryBatch(push->file, push->directory, push->name);
    if (!WriteBatch(w, host, *push, batch)) {
        return;
    }
    ConfirmAndRunBatch(w, host, "操作部署完成!.", batch, "操作已经完成...");
}

void PushIntoSystemWithRoot(ui::PushWindow& w, Host& host) {
    const std::optional<SystemPush> push = CheckSystemPush(w, host);
    if (!push) {
        return;
    }

    StartSystemPushLog(w, host);
    LogPlan(w, host, *push);
    const BatchFile batch = WithRootBatch(push->file, push->directory, push->name);
    if (!WriteBatch(w, host, *push, batch)) {
        return;
    }
    Log(w, host, "即将开始传输...\r\n");
    host.Pause(1000);
    Log(w, host, "请在手机上授予ROOT权限...\r\n");  // the only prompt for the root grant
    host.Pause(1000);
    ConfirmAndRunBatch(w, host, "部署已完成...", batch, "操作已完成...");
}

}  // namespace tarnwick::push
