#pragma once
// Start-up's message for the program folder of the installed program's user
// (C:\.local\share\tarnwick) when it cannot be made or written.

#include "host/text.h"

namespace tarnwick::app {

// Names the folder and what to do.
Text UserProgramFolderWarning(const Text& folder);

}  // namespace tarnwick::app
