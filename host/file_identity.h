#pragma once
// Files told apart by what the file system knows them by, not by their names: the device and
// file number on Linux, the volume serial number and file index on Windows. Two names with one
// identity are one file, however each reaches it (links, hard links, mounts).

#include <cstdint>
#include <filesystem>
#include <optional>

#include "host/folder_walk.h"

namespace tarnwick {

struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of what the path leads to, links followed; none when nothing is there to ask.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);

// The absolute path with every link followed and ".." taken as the system takes it; a part that
// does not exist yet is kept as written. None when the path cannot be resolved (a folder on the
// way cannot be read, a link loop).
std::optional<std::filesystem::path> ResolvedPath(const std::filesystem::path& path);

// What the walk through a native folder met; for an unfinished walk, the folder where it
// stopped and the system's words for why.
struct NativeFolderWalk {
    FolderWalk found = FolderWalk::Plain;
    std::filesystem::path folder;
    Text reason;
};

// Walks the folder, following no link, and compares every entry with `sought` by identity
// (from what the walk reads anyway: no second look at any entry). It holds one or two folders
// open whatever the depth and keeps its place in each folder on a stack of its own, so a tree
// of any depth is walked to its end.
NativeFolderWalk WalkNativeFolder(const std::filesystem::path& folder,
                                  const std::optional<FileIdentity>& sought);

}  // namespace tarnwick
