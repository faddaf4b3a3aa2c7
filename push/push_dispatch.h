#pragma once
// 推送服务下一步: runs the operation that the selected radio button names, or nothing. It is
// never disabled: pressed in the log view, it runs the same operation again.

#include "host/host.h"
#include "ui/push_window.h"

namespace tarnwick::push {

void RunSelectedPush(ui::PushWindow& w, Host& host);

}  // namespace tarnwick::push
