#pragma once
// A program folder in a temporary place, made the current directory, holding fake tools (adb,
// fastboot; fake_tools.h) that record what they receive into one record: "[tool]", then each
// argument on its own line, followed by <<content>> when it names a file. Off Windows a home
// folder of its own is drive C:, so that the temporary folders lie on drive Z:. The host runs
// commands and files for real.

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/fake_tools.h"
#include "tests/support/real_commands_host.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::testing {

class ToolSandbox {
public:
    ToolSandbox(std::initializer_list<std::string> tools);

    // (Re)writes a recording tool that, once it recorded, acts as `acts` say ("exit=1").
    void WriteTool(const std::string& name, const std::vector<std::string>& acts = {}) const;
    void RemoveTool(const std::string& name) const;
    std::string Record() const { return records.Read("record.txt"); }

    TempFolder program;  // the program folder and the current directory
    TempFolder records;
    TempFolder home;
    TempFolder user;  // the user's own files

private:
    ScopedEnvironment homeVariable_{"HOME", home.path().string()};
    ScopedEnvironment recordVariable_{kFakeRecordVariable, (records / "record.txt").string()};
    CurrentDirectory current_{program.path()};

public:
    RealCommandsHost host{program.path()};
};

}  // namespace tarnwick::testing
