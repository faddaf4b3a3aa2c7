#pragma once
// The program folder of a user of the installed program, whose own folder (/usr/lib/tarnwick)
// is root's: $XDG_DATA_HOME/tarnwick (~/.local/share/tarnwick when unset), made and set up at
// every start so that the command lines work there as in the program's own folder.

#include <filesystem>

namespace tarnwick::posix {

// The folder the user's program folder is, made or not.
std::filesystem::path UserProgramFolder();

// Makes the folder where needed: links to the installed compile-mode tools (a link that leads
// nowhere is renewed, a file of the user's own under their names stays), apktool's framework
// folders, a signing pair of the user's own and recovery/. False when the folder cannot be
// made or written.
bool SetUpUserProgramFolder(const std::filesystem::path& folder,
                            const std::filesystem::path& installedFolder);

}  // namespace tarnwick::posix
