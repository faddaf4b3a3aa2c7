#pragma once
// The fixed wait while the phone reboots: the program never asks the phone whether it is
// ready, so a row of dots grows in the log to show that time passes.

#include "host/host.h"

namespace tarnwick {

// Logs `heading`, then waits twelve pauses of `milliseconds` while a line of twelve dots grows,
// plus one pause after the heading.
void DotCountdown(LogBox& log, Host& host, const Text& heading, int milliseconds);

}  // namespace tarnwick
