#pragma once
// The wait of the tests that run tools: like the windows' wait it lets the runner check the
// command again and again, but for at most a few seconds. A command still running then fails
// the test, naming it, and the runner ends it with whatever it started; after that every wait
// gives up at once. A tool that hangs because the code under test broke fails its test, it
// never hangs it.

#include <chrono>
#include <string>
#include <utility>

#include "host/command_runner.h"

namespace tarnwick::testing {

// Longer than any tool of the tests works, Debian's apktool under load included.
inline constexpr std::chrono::seconds kToolTestLimit{30};

class BoundedWait : public ProcessWait {
public:
    explicit BoundedWait(std::string what = "a command",
                         std::chrono::milliseconds limit = kToolTestLimit)
        : what_(std::move(what)), limit_(limit) {}

    // What the next waits are for, as the failure names it.
    void For(std::string what) { what_ = std::move(what); }

    bool Until(const std::function<bool()>& hasEnded) override;

    int calls = 0;  // one per process waited for

private:
    std::string what_;
    std::chrono::milliseconds limit_;
    bool overrun_ = false;
};

}  // namespace tarnwick::testing
