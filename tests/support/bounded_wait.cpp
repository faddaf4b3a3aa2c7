#include "tests/support/bounded_wait.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

Deadline::Deadline(std::string what, std::chrono::milliseconds limit)
    : watch_([this, what = std::move(what), limit] {
          std::unique_lock lock(mutex_);
          if (!ended_.wait_for(lock, limit, [this] { return done_; })) {
              std::fprintf(stderr, "Failure: %s took longer than %lld ms; the test program ends\n",
                           what.c_str(), static_cast<long long>(limit.count()));
              std::fflush(stderr);
              std::_Exit(1);
          }
      }) {}

Deadline::~Deadline() {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    ended_.notify_one();
    watch_.join();
}

}  // namespace tarnwick::testing
