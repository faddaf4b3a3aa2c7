#pragma once
// The form of the push window: the three operation radio buttons, which enable their own
// boxes (the two pushes also open the chooser, on every click), and the return from the log
// view.

#include "host/host.h"
#include "ui/push_window.h"

namespace tarnwick::push {

void SelectApkInstall(ui::PushWindow& w);
// Each writes the chooser's file name into its file box, also when the user cancels: the box
// then gets the name the chooser held before.
void SelectCardPush(ui::PushWindow& w, Host& host);
void SelectSystemPush(ui::PushWindow& w, Host& host);

// 信息窗口返回: hides the log view and enables the radio buttons again. The log text stays
// in the hidden box; SYS编辑框 stays disabled until SYS单选框 is clicked again.
void ReturnToForm(ui::PushWindow& w);

}  // namespace tarnwick::push
