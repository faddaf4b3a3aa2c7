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

// A program path as the user's own system names it, for a message that asks the user to act on
// the file: on Windows the path itself; elsewhere its native path, under ~ when inside the home
// folder (~/.local/share/tarnwick/testkey.pk8). A path with no native path stays as it is.
Text ShownPath(const Text& programPath);

}  // namespace tarnwick
