#pragma once
// The info window's read-back: what the compile mode's last tool run wrote into log.txt and
// log2.txt is shown, and both files are deleted.

#include "host/host.h"
#include "ui/info_window.h"

namespace tarnwick::compile {

// Missing files read as empty; the text ends at the first zero byte; long lines are cut
// (ShownToolOutput).
void ReadBackToolOutput(ui::InfoWindow& info, Host& host);

}  // namespace tarnwick::compile
