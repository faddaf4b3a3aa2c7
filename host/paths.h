#pragma once
// Program paths are Windows-shaped texts (C:\Users\x\twrp.img, recovery\find5.img). On Windows
// they are native. Elsewhere drive C: is the user's home folder and drive Z: the file-system
// root, drive letters in either case; backslashes become slashes and names are UTF-8.

#include <filesystem>

#include "host/text.h"

namespace tarnwick {

// The native path a program path names. A drive other than C: and Z: has no folder outside
// Windows: the result is empty, so every file operation on it fails.
std::filesystem::path NativePath(const Text& programPath);

// The program path of a native path: under C: when inside the home folder, else under Z:.
// A relative path keeps its form with backslashes.
Text ProgramPath(const std::filesystem::path& nativePath);

}  // namespace tarnwick
