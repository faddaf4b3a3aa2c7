#pragma once
// Flashing a recovery image: one of the two preset images that lie in the program's
// "recovery" folder, or the image in REC路径, which may also be booted once instead.

#include "host/host.h"
#include "ui/flash_window.h"

namespace tarnwick::flash {

enum class PresetImage { Find5, Find7 };

void FlashPresetImage(ui::FlashWindow& w, Host& host, PresetImage preset);

// Flashes the chosen image, or only boots it when 临时进入REC is checked.
void FlashChosenImage(ui::FlashWindow& w, Host& host);

}  // namespace tarnwick::flash
