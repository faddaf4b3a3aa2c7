#pragma once
// Installs an APK chosen on the PC with "adb install".

#include "host/host.h"
#include "ui/push_window.h"

namespace tarnwick::push {

// Opens the chooser first; a cancelled chooser installs the file it named before.
void InstallApk(ui::PushWindow& w, Host& host);

}  // namespace tarnwick::push
