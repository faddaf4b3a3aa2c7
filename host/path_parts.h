#pragma once
// The parts of a Windows-shaped path, as text: the folder before its last backslash and the
// name after it. Windows compares paths without regard to the case of ASCII letters.

#include "host/text.h"

namespace tarnwick {

// The text before the last backslash; "" when the path holds none.
Text FolderOf(const Text& path);
// The text after the last backslash; the whole path when it holds none.
Text NameOf(const Text& path);
// Equal but for the case of ASCII letters; two-byte characters compare exactly.
bool SamePathText(const Text& one, const Text& other);

}  // namespace tarnwick
