#pragma once
// 刷机模式下一步: runs the one operation that the current selection names, or nothing.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

void RunSelectedOperation(ui::FlashWindow& w, Host& host);

}  // namespace tarnwick::flash
