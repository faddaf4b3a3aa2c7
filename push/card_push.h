#pragma once
// Copies the file in SD编辑框1 onto the phone's memory card, into the directory in SD编辑框,
// with one "adb push". The directory is used as written: no "/" is added or checked.

#include "host/host.h"
#include "ui/push_window.h"

namespace tarnwick::push {

void PushToMemoryCard(ui::PushWindow& w, Host& host);

}  // namespace tarnwick::push
