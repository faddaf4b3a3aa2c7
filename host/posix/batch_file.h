#pragma once
// Reading a batch file: its lines as the interpreter runs them.

#include <string_view>
#include <vector>

#include "host/text.h"

namespace tarnwick::posix {

// The lines of a batch file's content that hold something, in order: split at "\n", without
// any "\r" (cmd drops them all, not only the one before the line break) and without a leading
// "@" (which only keeps cmd from echoing the line).
std::vector<Text> BatchFileLines(std::string_view content);

}  // namespace tarnwick::posix
