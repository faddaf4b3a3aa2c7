// Questions about what lies at a path; the same on every system. Reading, writing, deleting and
// telling a link are the system's own (posix/whole_files.cpp, win/whole_files.cpp).
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

bool IsLink(const Text& path) {
    fs::path file = NativePath(path);
    // With its trailing separator a link names the folder it leads to.
    while (file.has_relative_path() && !file.has_filename()) {
        file = file.parent_path();
    }
    return !file.empty() && IsNativeLink(file);
}

namespace {

bool WalkFindsLink(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path& path = entry->path();
        std::error_code statusError;
        if (IsNativeLink(path) ||
            (fs::is_directory(fs::symlink_status(path, statusError)) && WalkFindsLink(path))) {
            return true;
        }
    }
    return static_cast<bool>(error);
}

}  // namespace

bool HoldsLink(const Text& folder) {
    const fs::path native = NativePath(folder);
    return !native.empty() && WalkFindsLink(native);
}

bool LiesInside(const Text& path, const Text& folder) {
    fs::path holder = NativePath(path).lexically_normal();
    const fs::path outer = NativePath(folder);
    if (holder.empty() || outer.empty()) {
        return false;
    }
    std::error_code error;
    while (holder.has_relative_path()) {
        holder = holder.parent_path();
        if (fs::equivalent(holder, outer, error)) {
            return true;
        }
    }
    return false;
}

}  // namespace tarnwick
