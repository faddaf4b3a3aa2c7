#pragma once
// A program folder in a temporary place, made the current directory, holding fake tools (adb,
// fastboot) that record what they receive: "[tool]", then each argument on its own line,
// followed by <<content>> when it names a file. A home folder of its own is drive C:, so that
// the temporary folders lie on drive Z:. The host runs commands and files for real.

#include <initializer_list>
#include <string>

#include "tests/support/real_commands_host.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::testing {

class ToolSandbox {
public:
    ToolSandbox(std::initializer_list<std::string> tools);

    // (Re)writes a recording tool; `ending` is shell code run after it recorded, e.g. "exit 1\n".
    void WriteTool(const std::string& name, const std::string& ending = "") const;
    std::string Record() const { return records.Read("record.txt"); }

    TempFolder program;  // the program folder and the current directory
    TempFolder records;
    TempFolder home;
    TempFolder user;  // the user's own files

private:
    ScopedEnvironment homeVariable_{"HOME", home.path().string()};
    CurrentDirectory current_{program.path()};

public:
    RealCommandsHost host{program.path()};
};

}  // namespace tarnwick::testing
