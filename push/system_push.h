#pragma once
// Copies the file in SYS编辑框1 into the phone's system partition, into the directory in
// SYS编辑框, through a batch file that the user confirms before it runs: either from the
// recovery, into which the phone is rebooted first (no root needed), or through su on the
// running phone.

#include "host/host.h"
#include "ui/push_window.h"

namespace tarnwick::push {

void PushIntoSystemThroughRecovery(ui::PushWindow& w, Host& host);
void PushIntoSystemWithRoot(ui::PushWindow& w, Host& host);

}  // namespace tarnwick::push
