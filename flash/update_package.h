#pragma once
// Installs the update package in ROM路径 through the phone's recovery: the package goes to
// the memory card, a recovery command file that names it (and the chosen wipes) goes to
// /cache/recovery/command, and the phone is rebooted into recovery.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

void FlashUpdatePackage(ui::FlashWindow& w, Host& host);

}  // namespace tarnwick::flash
