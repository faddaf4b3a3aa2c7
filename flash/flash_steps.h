#pragma once
// The steps every flash-mode operation is made of: the log view and its log, the dot
// countdown, and the commands (steps/commands.h).

#include "host/host.h"
#include "steps/commands.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

// Shows the log view over the options and starts a fresh log.
void StartFlashLog(ui::FlashWindow& w);
void Log(ui::FlashWindow& w, Host& host, const Text& text);

// The countdown (steps/countdown.h) under the heading "请稍等...".
void DotCountdown(ui::FlashWindow& w, Host& host, int milliseconds);

}  // namespace tarnwick::flash
