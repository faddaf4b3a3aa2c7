#include "host/device_wait.h"

#include <algorithm>

namespace tarnwick {

namespace {

// fastboot's words (on its error output) while it has no phone to talk to.
constexpr std::string_view kWaitingForDevice = "< waiting for ";

}  // namespace

bool DeviceWait::TooLong(std::string_view printed) {
    const auto now = std::chrono::steady_clock::now();
    for (std::size_t at = printed.find(kWaitingForDevice, searched_); at != std::string_view::npos;
         at = printed.find(kWaitingForDevice, searched_)) {
        waitingAt_ = at;
        since_ = now;
        searched_ = at + kWaitingForDevice.size();
    }
    // The words may be cut at the end of what has arrived so far.
    searched_ = std::max(searched_,
                         printed.size() - std::min(printed.size(), kWaitingForDevice.size() - 1));
    if (since_) {
        const std::size_t lineEnd = printed.find('\n', waitingAt_);
        if (lineEnd != std::string_view::npos && lineEnd + 1 < printed.size()) {
            since_.reset();  // it printed on: the phone is there
        }
    }
    return since_ && now - *since_ >= limit_;
}

}  // namespace tarnwick
