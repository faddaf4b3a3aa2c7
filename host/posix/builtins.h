#pragma once
// The interpreter's own commands that the program uses: copy, rename (ren) and del. Paths are
// program paths; messages are cmd's, written in UTF-8 to the command's output streams.

#include <optional>
#include <vector>

#include "host/posix/process_spawn.h"
#include "host/text.h"

namespace tarnwick::posix {

// Runs the command when its first word names one of these (in any case) and gives its exit
// code; nullopt for any other command. Inside a batch file copy overwrites without asking.
std::optional<int> RunBuiltin(const std::vector<Text>& words, OutputStreams streams,
                              bool inBatchFile);

}  // namespace tarnwick::posix
