#include "tests/support/bounded_wait.h"

#include <gtest/gtest.h>

#include <thread>

namespace tarnwick::testing {

bool BoundedWait::Until(const std::function<bool()>& hasEnded) {
    ++calls;
    const auto deadline = std::chrono::steady_clock::now() + limit_;
    while (!hasEnded()) {
        if (overrun_ || std::chrono::steady_clock::now() >= deadline) {
            if (!overrun_) {
                ADD_FAILURE() << "waited " << limit_.count() << " ms for " << what_
                              << " to end; it is ended now";
            }
            overrun_ = true;
            return false;
        }
        // As the windows' wait checks every 10 ms, without taking a core for itself.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace tarnwick::testing
