// The executable's path from /proc/self/exe, in the drive form of program paths.

#include <filesystem>
#include <system_error>

#include "host/executable_path.h"
#include "host/paths.h"

namespace tarnwick {

Text ExecutablePath() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || executable.empty()) {
        return Text();
    }
    return ProgramPath(executable);
}

}  // namespace tarnwick
