#pragma once
// Start-up's look at the program folder: a folder the program cannot work in is named before
// any window opens, with what to do, instead of flows that fail one by one later.

#include <optional>

#include "host/text.h"

namespace tarnwick::app {

// The message that says why the program cannot work in `folder` and what to do; none when it
// can. A long-path prefix (\\?\) is taken off first.
std::optional<Text> ProgramFolderWarning(const Text& folder);

// A folder as the start-up messages name it: whole, in lines that fit a small screen, broken
// after a backslash where one lies late enough in the line, else between two characters.
Text FolderInLines(const Text& folder);

}  // namespace tarnwick::app
