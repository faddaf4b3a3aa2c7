#pragma once
// Browsing with a window's file chooser, whose settings and file name persist while the
// window exists.

#include <optional>

#include "host/host.h"

namespace tarnwick {

// Opens the chooser as an open or save dialog with `filter` and returns its file name: the
// chosen path, or after a cancel the name it held before (possibly from the other kind).
Text ChooseFile(Host& host, FileChooser& chooser, FileChooser::Kind kind, const Text& filter);
// The same dialog, but nothing after a cancel.
std::optional<Text> ChooseFileIfConfirmed(Host& host, FileChooser& chooser, FileChooser::Kind kind,
                                          const Text& filter);

}  // namespace tarnwick
