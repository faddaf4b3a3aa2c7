// Questions about what lies at a path; the same on every system. Reading, writing, deleting and
// telling links are the system's own (posix/whole_files.cpp, win/whole_files.cpp).
#include "host/files.h"

#include <system_error>

#include "host/paths.h"

namespace tarnwick {

namespace fs = std::filesystem;

bool FileExists(const Text& path) {
    const fs::path file = NativePath(path);
    std::error_code error;
    return !file.empty() && fs::is_regular_file(file, error);
}

bool PathExists(const Text& path) {
    const fs::path file = NativePath(path);
    std::error_code error;
    return !file.empty() && fs::exists(fs::symlink_status(file, error));
}

bool SameFile(const Text& one, const Text& other) {
    const fs::path first = NativePath(one);
    const fs::path second = NativePath(other);
    std::error_code error;
    return !first.empty() && !second.empty() && fs::equivalent(first, second, error);
}

}  // namespace tarnwick
