#pragma once
// A fake command-line tool (adb, fastboot) for a temporary program folder: a shell script that
// appends what it receives to a record file.

#include <filesystem>
#include <string>

namespace tarnwick::testing {

// The script: "[name]", then each argument on its own line, followed by <<content>> when it
// names a file.
std::string RecordingTool(const std::string& name, const std::filesystem::path& record);

}  // namespace tarnwick::testing
