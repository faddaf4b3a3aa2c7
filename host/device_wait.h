#pragma once
// Tells when a command has waited too long for a device: it said so in its output ("< waiting
// for any device >") and has printed nothing after that line within the limit. Anything it
// prints after the line means the phone has turned up: the clock stops, and the command runs
// to its end however long it works. A later waiting line (another fastboot of the same line)
// starts a fresh limit.

#include <chrono>
#include <optional>
#include <string_view>

namespace tarnwick {

class DeviceWait {
public:
    explicit DeviceWait(std::chrono::milliseconds limit) : limit_(limit) {}

    // `printed` is all the command has printed so far; called again and again while it runs.
    bool TooLong(std::string_view printed);

private:
    std::chrono::milliseconds limit_;
    std::size_t searched_ = 0;   // where the next search for the words may begin
    std::size_t waitingAt_ = 0;  // where the last waiting line begins
    std::optional<std::chrono::steady_clock::time_point> since_;  // set while it waits
};

}  // namespace tarnwick
