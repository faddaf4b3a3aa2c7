#include "push/push_steps.h"

#include "steps/path_checks.h"

namespace tarnwick::push {

bool CheckFileBox(Host& host, const Text& file) {
    return CheckChosenPath(host, file, "\\",
                           "请检查文件路径是否完整!\r\n\r\n请重新选择文件,并保证其路径完整!");
}

void SetDisabled(std::initializer_list<ui::Control*> controls, bool disabled) {
    for (ui::Control* control : controls) {
        control->setDisabled(disabled);
    }
}

void StartPushLog(ui::PushWindow& w, Host& host, std::initializer_list<ui::Control*> controls) {
    SetDisabled(controls, true);
    w.信息窗口返回.setVisible(true);
    w.信息显示窗.setVisible(true);
    w.信息显示窗.setContent("请勿断开手机连接...\r\n");
    Log(w, host, "正在部署...\r\n");
    host.Pause(1000);
}

void Log(ui::PushWindow& w, Host& host, const Text& text) {
    host.AppendLog(w.信息显示窗, text);
}

void LogOutcome(ui::PushWindow& w, Host& host, bool succeeded) {
    Log(w, host, succeeded ? "操作已经完成..." : "操作失败!");
    host.Pause(1000);
}

}  // namespace tarnwick::push
