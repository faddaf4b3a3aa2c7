#pragma once
// A message box is as wide as its longest line and as high as its lines, and a path or a tool's
// line has no blank to wrap at: such a message would run off a screen of 1,024 x 768. Every
// message is shown in lines that fit one.

#include "host/text.h"

namespace tarnwick {

// The message with each line longer than 72 columns (a two-byte character takes two, as it
// shows) broken after a backslash, a slash or a blank where that leaves the line at least half
// full, else between two characters; and at most 20 lines in all: where there are more, the
// lines broken most are cut first, each ending in "…" where it was cut. Lines end in CR LF.
Text MessageInLines(const Text& message);

}  // namespace tarnwick
