#pragma once
// The full path of the running executable, from which the program directory is fixed.

#include "host/text.h"

namespace tarnwick {

// The executable's full path as a program path (C:\tarnwick\tarnwick.exe); "" when unknown.
Text ExecutablePath();

}  // namespace tarnwick
