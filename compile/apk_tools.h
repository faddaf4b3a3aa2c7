#pragma once
// 刷机模式下一步 of the compile-mode window: checks the paths of the selected task, runs its
// tool with the console output captured in log.txt (and log2.txt), then has the info window
// show it. A failed check shows its message and nothing runs.

#include <functional>

#include "host/host.h"
#include "ui/compile_window.h"

namespace tarnwick::compile {

// Brings up the info window with the output of the run just made.
using ShowOutput = std::function<void()>;

void RunSelectedTask(ui::CompileWindow& w, Host& host, const ShowOutput& showOutput);

}  // namespace tarnwick::compile
