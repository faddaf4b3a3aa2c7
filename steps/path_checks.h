#pragma once
// The input checks that the operations share. Each shows its warning when the input fails
// it; nothing has been logged or run yet.

#include <initializer_list>
#include <optional>

#include "host/host.h"

namespace tarnwick {

// The path is not empty.
bool CheckPathChosen(Host& host, const Text& path);

// The path holds `extension` somewhere (case-sensitive); else the message with its title.
bool CheckPathHolds(Host& host, const Text& path, const Text& extension, const Text& message,
                    const Text& title = "警告!");

// The path is not empty and holds `extension` somewhere (case-sensitive).
bool CheckChosenPath(Host& host, const Text& path, const Text& extension,
                     const Text& wrongExtensionMessage);

// Every path can be put into a command line (CanPassOnCommandLine): none holds a double quote,
// a %, a ? or * (a character lost to the code page) or a control character.
bool CheckCommandLinePaths(Host& host, std::initializer_list<Text> paths);

// A folder box of the phone side (SD编辑框, SYS编辑框) names a folder from the phone's root: not
// empty, beginning with "/" and with no blank at either end; else the warning of
// CheckCommandLinePaths. The folder with the trailing "/" that the user may have left out.
std::optional<Text> CheckPhoneFolder(Host& host, const Text& folder);

// Every name can go unquoted into a batch-file line and the phone's shell
// (CanPassToPhoneShell); the warning is the one of CheckCommandLinePaths.
bool CheckPhoneShellNames(Host& host, std::initializer_list<Text> names);

// Every text can be written into a batch file in the code page cmd reads it in (BatchFileBytes);
// the warning is the one of CheckCommandLinePaths.
bool CheckBatchFileTexts(Host& host, std::initializer_list<Text> texts);

}  // namespace tarnwick
