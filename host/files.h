#pragma once
// Whole-file operations on program paths. Failures come back as results, never as errors.

#include <initializer_list>

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

}  // namespace tarnwick
