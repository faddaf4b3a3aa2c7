// Questions about what lies at a path; the same on every system. Reading, writing, deleting and
// telling a link are the system's own (posix/whole_files.cpp, win/whole_files.cpp).
#include "host/files.h"

#include <optional>
#include <system_error>

#include "host/file_identity.h"
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

FolderWalkResult WalkFolder(const Text& folder, const Text& file) {
    const fs::path native = NativePath(folder);
    if (native.empty()) {
        return {FolderWalk::HoldsLink, {}, {}};  // no folder to read through
    }
    const NativeFolderWalk walk = WalkNativeFolder(native, IdentityOf(NativePath(file)));
    if (walk.found != FolderWalk::Unfinished) {
        return {walk.found, {}, {}};
    }
    return {walk.found, ProgramPath(walk.folder), walk.reason};
}

bool LiesInside(const Text& path, const Text& folder) {
    const fs::path native = NativePath(path);
    const std::optional<FileIdentity> outer = IdentityOf(NativePath(folder));
    if (native.empty() || !outer) {
        return false;  // no such folder: nothing lies inside it
    }
    const std::optional<fs::path> resolved = ResolvedPath(native);
    if (!resolved) {
        return true;
    }
    for (fs::path holder = *resolved; holder.has_relative_path();) {
        holder = holder.parent_path();
        if (IdentityOf(holder) == outer) {
            return true;
        }
    }
    return false;
}

}  // namespace tarnwick
