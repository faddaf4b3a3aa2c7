#pragma once
// The parts of a Windows-shaped path, as text.

#include "host/text.h"

namespace tarnwick {

// The text after the last backslash; the whole path when it holds none.
Text NameOf(const Text& path);

}  // namespace tarnwick
