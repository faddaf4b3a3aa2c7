#pragma once
// The bare file name of a chosen path, as the recovery and system pushes rename their copy:
// the text up to the path's last "/" followed by the text after its last backslash.
// D:\img\twrp.img gives twrp.img; a bare name gives itself.

#include "host/text.h"

namespace tarnwick {

Text BareFileName(const Text& path);

}  // namespace tarnwick
