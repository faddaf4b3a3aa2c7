#pragma once

#include "host/text.h"

namespace tarnwick {

// The full path of the running executable in the program encoding, "" when unknown.
Text ExecutablePath();

}  // namespace tarnwick
