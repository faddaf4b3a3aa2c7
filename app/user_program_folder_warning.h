#pragma once
// Start-up's message for the program folder of the installed program's user
// (C:\.local\share\tarnwick) when it cannot be used.

#include "host/text.h"

namespace tarnwick::app {

// Names the folder and what to do: where a command line cannot carry its path, choose another
// data folder; else make room or allow writing.
Text UserProgramFolderWarning(const Text& folder);

}  // namespace tarnwick::app
