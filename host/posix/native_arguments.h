#pragma once
// The arguments a native tool receives for a Windows-shaped command: UTF-8, with host paths in
// native form.

#include <filesystem>
#include <string>
#include <vector>

#include "host/text.h"

namespace tarnwick::posix {

// A drive path ("C:\Users\x.img", "Z:\tmp\a") becomes its native path (unchanged when the
// drive has none); a word that starts with "/" is a phone-side path and passes untouched; in
// any other word backslashes become slashes ("recovery\find5_twrp_recovery.img").
std::string NativeArgument(const Text& word);

// The argument vector for starting `program` with the words of `afterProgramName`, split by
// the Windows rules; the first entry is the program's path.
std::vector<std::string> NativeArgv(const std::filesystem::path& program,
                                    const Text& afterProgramName);

}  // namespace tarnwick::posix
