#pragma once
// Backs up the phone's recovery partition into the file named in 备份路径: the phone is
// rebooted into recovery, the partition is read with dd into a file on its cache partition,
// the file is pulled and removed, and the phone is rebooted.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

void BackUpRecovery(ui::FlashWindow& w, Host& host);

}  // namespace tarnwick::flash
