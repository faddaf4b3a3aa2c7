#pragma once
// Which reparse points are links. Only one that stands for another name (IsReparseTagNameSurrogate:
// a symbolic link, a junction, a volume mount point) leads elsewhere; a OneDrive placeholder or
// a deduplicated file is a reparse point too, yet an ordinary file. Every link check of the
// program asks here.

#include "host/win/windows_api.h"

#include <string>
#include <string_view>

namespace tarnwick {

// Whether an entry named `name` with these attributes (and, for a reparse point, this tag) is
// a link.
bool IsLinkEntry(std::wstring_view name, DWORD attributes, DWORD reparseTag);

// For the tests, where Wine makes no reparse points: every entry named `name` is taken for a
// reparse point with `tag`. An empty name ends it.
void SetReparseTagStandIn(std::wstring name, DWORD tag);

}  // namespace tarnwick
