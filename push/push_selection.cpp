#include "push/push_selection.h"

#include "push/push_steps.h"

namespace tarnwick::push {

namespace {

void ChooseAnyFile(ui::PushWindow& w, Host& host) {
    w.通用对话框1.filter = "全部文件(*.*)|*.*";
    w.通用对话框1.keepCurrentDirectory = true;  // the batch files are named relative to it
    host.ChooseOpenFile(w.通用对话框1);
}

}  // namespace

void SelectApkInstall(ui::PushWindow& w) {
    if (!w.APK单选框.checked()) {
        return;
    }
    SetDisabled({&w.SD编辑框, &w.SD编辑框1, &w.SYS编辑框, &w.SYS编辑框1}, true);
    w.NOROOT.setVisible(false);
}

void SelectCardPush(ui::PushWindow& w, Host& host) {
    if (w.SD单选框.checked()) {
        SetDisabled({&w.SD编辑框, &w.SD编辑框1}, false);
        SetDisabled({&w.SYS编辑框, &w.SYS编辑框1}, true);
        w.NOROOT.setVisible(false);
        ChooseAnyFile(w, host);
    }
    w.SD编辑框1.setContent(w.通用对话框1.fileName);
}

void SelectSystemPush(ui::PushWindow& w, Host& host) {
    if (w.SYS单选框.checked()) {
        SetDisabled({&w.SD编辑框1, &w.SD编辑框}, true);
        SetDisabled({&w.SYS编辑框, &w.SYS编辑框1}, false);
        w.NOROOT.setVisible(true);
        ChooseAnyFile(w, host);
    }
    w.SYS编辑框1.setContent(w.通用对话框1.fileName);
}

void ReturnToForm(ui::PushWindow& w) {
    if (!w.APK单选框.checked() && !w.SD单选框.checked() && !w.SYS单选框.checked()) {
        return;
    }
    w.信息窗口返回.setVisible(false);
    w.信息显示窗.setVisible(false);
    SetDisabled({&w.APK单选框, &w.SD单选框, &w.SYS单选框}, false);
}

}  // namespace tarnwick::push
