#pragma once
// Running an operation's commands, all hidden and waited for.

#include "host/host.h"

namespace tarnwick {

// A command whose outcome the operation does not judge.
void Run(Host& host, const Text& commandLine);
// A command that does the operation's work. A failure is named in the operation's log right
// after it; the result tells whether it succeeded.
bool RunWork(LogBox& log, Host& host, const Text& commandLine);

}  // namespace tarnwick
