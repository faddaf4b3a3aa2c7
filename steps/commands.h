#pragma once
// Running an operation's commands, all hidden and waited for.

#include "host/host.h"

namespace tarnwick {

// A command whose outcome the operation does not judge.
void Run(Host& host, const Text& commandLine);
// A command that does the operation's work. A failure is named in the operation's log right
// after it; the result tells whether it succeeded.
bool RunWork(LogBox& log, Host& host, const Text& commandLine);
// RunWork for a tool that may report its failure only in what it prints: adb install on phones
// of this age prints "Failure [...]" and exits with 0. A line of its output that begins with
// `failureStart` makes it fail whatever its exit code, and follows the failure line in the log
// as the tool printed it.
bool RunWorkJudgedByOutput(LogBox& log, Host& host, const Text& commandLine,
                           const Text& failureStart);

}  // namespace tarnwick
