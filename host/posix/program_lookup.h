#pragma once
// Finding the file that a command's first word names.

#include <filesystem>
#include <optional>

#include "host/text.h"

namespace tarnwick::posix {

// A word with a folder or a drive ("C:\x\adb", "tools\adb", "./adb") names its file directly,
// relative to the current directory. A bare name is looked for in the program folder, then in
// each folder of PATH. The file must be a regular file that may be executed, or a batch file.
std::optional<std::filesystem::path> FindProgram(const Text& word,
                                                 const std::filesystem::path& programFolder);

// A ".bat" file, which the interpreter runs line by line.
bool IsBatchFile(const std::filesystem::path& file);

}  // namespace tarnwick::posix
