#pragma once
// Whole-file operations on program paths. Failures come back as results, never as errors.

#include <filesystem>
#include <initializer_list>

#include "host/folder_walk.h"
#include "host/text.h"

namespace tarnwick {

// The whole file; empty for an empty path and for a missing, unreadable or empty file.
Bytes ReadWholeFile(const Text& path);
// Creates or truncates the file and writes the parts back to back. False for an empty path
// (nothing touched) and when the file cannot be created or written.
bool WriteWholeFile(const Text& path, std::initializer_list<Bytes> parts);
// True when the file was deleted.
bool DeleteOneFile(const Text& path);
// True when a regular file lies at the path.
bool FileExists(const Text& path);
// True when anything lies at the path: a file, a folder, even a link to nothing.
bool PathExists(const Text& path);
// True when both paths name one existing file, however each reaches it (links, another
// spelling of the same folder); the file system decides, not the texts.
bool SameFile(const Text& one, const Text& other);
// True when the path itself is a symbolic link or a junction, even one that leads nowhere; a
// trailing separator does not make it the folder behind. Links on the way to it do not count.
bool IsLink(const Text& path);
// Walks the folder (following no link): HoldsLink when a symbolic link, a junction or a mount
// point lies anywhere inside it; Unfinished, with the folder and the system's reason, when a
// folder in it cannot be read through; else HoldsFile when the file that `file` leads to lies
// inside it under any name (compared by identity, file_identity.h); else Plain. However deep
// the tree, the walk holds a fixed number of folders open.
FolderWalkResult WalkFolder(const Text& folder, const Text& file);
// True when one of the folders that hold the path, however far up, is `folder` as the file
// system sees it, every link on the path followed and ".." taken as the system takes it; true
// too when the path cannot be resolved, for then it may lie anywhere.
bool LiesInside(const Text& path, const Text& folder);

// True when a new file can be made in the folder: one is made under a name that no file has and
// removed again, so that nothing of the folder's is touched.
bool CanCreateFileIn(const Text& folder);

// The system's own test on a native path: a symbolic link, or on Windows a reparse point that
// stands for another name (a symbolic link, a junction, a volume mount point).
bool IsNativeLink(const std::filesystem::path& path);

}  // namespace tarnwick
