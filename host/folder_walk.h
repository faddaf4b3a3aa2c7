#pragma once
// What a walk through a folder met. The walk follows no link, so it ends.

#include "host/text.h"

namespace tarnwick {

enum class FolderWalk {
    Plain,
    // A symbolic link, a junction or a mount point lies somewhere inside, or a folder inside
    // was swapped for another while the walk went through it.
    HoldsLink,
    // No link, but the file sought lies inside under some name: by a hard link, or the file
    // that a link or mount point elsewhere leads to.
    HoldsFile,
    // The walk could not go on: a folder it may not read, too many open files, a folder that
    // went away meanwhile.
    Unfinished,
};

// What the walk met; for an unfinished walk, where and why it stopped.
struct FolderWalkResult {
    FolderWalk found = FolderWalk::Plain;
    Text folder;  // the folder it could not read through
    Text reason;  // the system's own words for why
    friend bool operator==(const FolderWalkResult&, const FolderWalkResult&) = default;
};

}  // namespace tarnwick
