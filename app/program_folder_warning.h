#pragma once
// Start-up's look at the program folder: a folder the program cannot work in is named before
// any window opens, with what to do, instead of flows that fail one by one later.

#include <optional>

#include "host/text.h"

namespace tarnwick::app {

// The message that says why the program cannot work in `folder` and what to do; none when it
// can. A long-path prefix (\\?\) is taken off first; the folder is named as the system names it.
std::optional<Text> ProgramFolderWarning(const Text& folder);

}  // namespace tarnwick::app
