#pragma once
// Fake tools for the command-line tests, one description for both platforms: a shell script
// on POSIX, fake_tool.exe under the tool's name on Windows. Each appends to the file that the
// environment variable TARNWICK_FAKE_RECORD names "[label]", then each argument on its own line
// in UTF-8, followed by "<<content>>" when it names a file. Then it acts on each of its
// arguments and on each of the acts given when it was installed, in that order:
//   exit=N (exit code), out=TEXT (a line on stdout), err=TEXT (a line on stderr), work=SECONDS
//   (busy that long, "0.5"), hang (waits for ever; on POSIX in a child process of its own).
//   TEXT is written in the system's encoding: UTF-8 on POSIX, the ANSI code page on Windows.
// Only on POSIX: bad (a byte that is no UTF-8, 0xFF, on stdout), signal=NAME, probe=FD (records
// whether FD is open and whether stdin is empty), daemon=FIFO (leaves a child behind that holds
// its output until FIFO is written), block=FIFO (waits for FIFO). Only on Windows: show
// (records the show state its start-up information asked for), console (whether it has a
// console window: console=window or console=none), handle=N (whether the handle of that value
// is open in it), pid (its process id: pid=N), child (starts a copy of itself that hangs and
// records its process id: child=N).

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/temp_folder.h"

namespace tarnwick::testing {

inline constexpr char kFakeRecordVariable[] = "TARNWICK_FAKE_RECORD";

// Puts the fake tool `name` ("adb", "tools/adb") into `folder`, recording under `label`; a
// tool already there is replaced.
void InstallFakeTool(const TempFolder& folder, std::string_view name, std::string_view label,
                     const std::vector<std::string>& acts = {});

// Removes the fake tool `name` from `folder`.
void RemoveFakeTool(const TempFolder& folder, std::string_view name);

// A line of 1 MB in UTF-8 as a tool may print it: 100,000 times 淺 (whose second byte in the
// program's encoding is a backslash), then 700,000 letters without a place to break, which a
// text box lays out slowest.
std::string MegabyteLine();

// Copies the compile mode's apktool launcher (apktool.bat on Windows, apktool elsewhere), as
// the program folder holds it, into `folder`: it runs "java -jar <folder>/apktool.jar".
void InstallApktoolLauncher(const TempFolder& folder);

}  // namespace tarnwick::testing
