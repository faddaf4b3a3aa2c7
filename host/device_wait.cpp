#include "host/device_wait.h"

#include <algorithm>

namespace tarnwick {

namespace {

// fastboot's words (on its error output) while it has no phone to talk to.
constexpr std::string_view kWaitingForDevice = "< waiting for ";

}  // namespace

bool DeviceWait::TooLong(std::string_view printed) {
    const auto now = std::chrono::steady_clock::now();
    if (!since_ && printed.size() > searched_) {
        if (printed.find(kWaitingForDevice, searched_) != std::string_view::npos) {
            since_ = now;
        }
        // The words may be cut at the end of what has arrived so far.
        searched_ = printed.size() - std::min(printed.size(), kWaitingForDevice.size() - 1);
    }
    return since_ && now - *since_ >= limit_;
}

}  // namespace tarnwick
