#pragma once
// Tells when a command has waited too long for a device: it said so in its output ("< waiting
// for any device >") and has not ended within the limit since.

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
    std::size_t searched_ = 0;  // where the next search for the words may begin
    std::optional<std::chrono::steady_clock::time_point> since_;
};

}  // namespace tarnwick
