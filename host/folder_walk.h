#pragma once
// What a walk through a folder met. The walk follows no link, so it ends.

namespace tarnwick {

enum class FolderWalk {
    Plain,
    // A symbolic link, a junction or a mount point lies somewhere inside, or a folder inside
    // cannot be read through.
    HoldsLink,
    // No link, but the file sought lies inside under some name: by a hard link, or the file
    // that a link or mount point elsewhere leads to.
    HoldsFile,
};

}  // namespace tarnwick
