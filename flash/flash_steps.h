#pragma once
// The steps every flash-mode operation is made of: the log view and its log, the dot
// countdown, and the commands, all hidden and waited for.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

// Shows the log view over the options and starts a fresh log.
void StartFlashLog(ui::FlashWindow& w);
void Log(ui::FlashWindow& w, Host& host, const Text& text);

// Waits twelve pauses of `milliseconds` while a line of dots grows in the log, plus one
// before it; the phone is never asked whether it is ready.
void DotCountdown(ui::FlashWindow& w, Host& host, int milliseconds);

// A command whose outcome the flow does not judge.
void Run(Host& host, const Text& commandLine);
// A command that does the operation's work. A failure is logged right after it; the result
// tells whether it succeeded.
bool RunWork(ui::FlashWindow& w, Host& host, const Text& commandLine);

}  // namespace tarnwick::flash
