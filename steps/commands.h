#pragma once
// Running an operation's commands, all hidden and waited for.

#include <optional>
#include <vector>

#include "host/host.h"

namespace tarnwick {

// A command whose outcome the operation does not judge.
void Run(Host& host, const Text& commandLine);
// A command that does the operation's work. A failure is named in the operation's log right
// after it; the result tells whether it succeeded.
bool RunWork(LogBox& log, Host& host, const Text& commandLine);
// RunWork with the command's whole result, for an operation that tells a command given up for
// want of a phone (CommandResult::GaveUpWaiting) from one that failed.
CommandResult RunWorkWithResult(LogBox& log, Host& host, const Text& commandLine);
// How a tool that reports its outcome in what it prints is judged: it succeeded only when it
// exited with 0 and a line of its output reads `success` (blanks and line ends around it
// aside). A failure is followed in the log by the tool's reason as it printed it: its first
// line that begins, after blanks, with one of `reasonStarts`, else its last line that is not
// empty; a long one is cut (ShownToolOutput).
struct OutputVerdict {
    Text success;
    std::vector<Text> reasonStarts;
};

bool RunWorkJudgedByOutput(LogBox& log, Host& host, const Text& commandLine,
                           const OutputVerdict& verdict);

// A reboot, judged by its exit code like a work command. When it failed, the lines that tell
// so, each ending in CR LF: the failure line, then adb's reason: its lines from the first that
// begins with "error:" up to fastboot's waiting line or the end (else its last line), each cut
// as ShownToolOutput cuts it; then, on a line of its own, fastboot's:
// 未检测到处于Fastboot模式的手机 for a fastboot given up for want of a phone, else its line that
// begins with "error:" (else its last) after the waiting line. Nothing when it succeeded.
std::optional<Text> RunReboot(Host& host, const Text& commandLine);
// RunReboot in an operation with a log: a failure goes into the log and the operation goes on,
// since a phone that is already where the reboot would take it is not seen by adb.
void RunRebootLogged(LogBox& log, Host& host, const Text& commandLine);

}  // namespace tarnwick
