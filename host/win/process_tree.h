#pragma once
// Ending a process with everything it started, found by parent process id, for a process that
// its job could not take.

#include "host/win/windows_api.h"

namespace tarnwick {

// Ends the process and its descendants, each leaf before the process that started it. A
// process counts as a child only when it began after its parent: a parent id may name a process
// that ended long ago, whose id Windows has given to another.
void EndProcessTree(HANDLE process, UINT exitCode);

}  // namespace tarnwick
