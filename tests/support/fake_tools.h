#pragma once
// Fake tools for the command-line tests. Each appends "[label]" and then its arguments, one per
// line in UTF-8, to the file that the environment variable TARNWICK_FAKE_RECORD names. Some
// arguments, once all are recorded, also make it act: exit=N (exit code), out=TEXT (stdout),
// err=TEXT (stderr), hang (waits for ever, in a child process of its own on POSIX). On POSIX, where
// a fake tool is a shell script: bad (a byte that is no UTF-8, 0xFF, on stdout), signal=NAME,
// probe=FD (records whether FD is open and whether stdin is empty), daemon=FIFO (leaves a child
// behind that holds its output until FIFO is written), block=FIFO (waits for FIFO). On Windows,
// where it is fake_tool.exe under another name: show (records the show state its start-up
// information asked for).

#include <string_view>

#include "tests/support/temp_folder.h"

namespace tarnwick::testing {

inline constexpr char kFakeRecordVariable[] = "TARNWICK_FAKE_RECORD";

// Puts the fake tool `name` ("adb", "tools/adb") into `folder`, recording under `label`.
void InstallFakeTool(const TempFolder& folder, std::string_view name, std::string_view label);

}  // namespace tarnwick::testing
