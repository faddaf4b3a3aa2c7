#pragma once
// The steps the push-window operations are made of: the file-box check, the start sequence
// that puts the log view over the form, and the log 信息显示窗. The commands they run:
// steps/commands.h.

#include <initializer_list>

#include "host/host.h"
#include "steps/commands.h"
#include "ui/push_window.h"

namespace tarnwick::push {

// The file box holds a full PC path: not empty, and with a backslash (the boxes' hint text
// has none, so executing before choosing a file ends here).
bool CheckFileBox(Host& host, const Text& file);

// In the given order: the order is what the user may glimpse.
void SetDisabled(std::initializer_list<ui::Control*> controls, bool disabled);

// Disables `controls` in the given order, shows the log view, starts a fresh log and logs
// "正在部署...".
void StartPushLog(ui::PushWindow& w, Host& host, std::initializer_list<ui::Control*> controls);

void Log(ui::PushWindow& w, Host& host, const Text& text);

// The last line of an operation whose work command was judged, without a line break.
void LogOutcome(ui::PushWindow& w, Host& host, bool succeeded);

}  // namespace tarnwick::push
