#pragma once
// What a tool printed, as the windows show it. A single line of megabytes keeps a text box
// laying it out for minutes, so each line is shown only up to its first 1,000 characters,
// followed by "…". The verdicts on a tool's run read its whole output, never this.

#include "host/text.h"

namespace tarnwick {

// The output with every line longer than 1,000 characters cut after its 1,000th (never inside
// a two-byte character) and "…" put in its place; the line ends stay.
Text ShownToolOutput(const Text& output);

}  // namespace tarnwick
