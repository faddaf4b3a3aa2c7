#pragma once
// The reboot family: each reboot asks first and runs its command only on OK. Nothing is
// logged and the log view is not shown; a reboot that failed is told in a warning.

#include "host/host.h"

namespace tarnwick::flash {

void RebootToSystem(Host& host);
void RebootToRecovery(Host& host);
void RebootToBootloader(Host& host);

}  // namespace tarnwick::flash
