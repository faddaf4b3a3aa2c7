#pragma once
// The wait of the tests that run tools: like the windows' wait it lets the runner check the
// command again and again, but for at most a few seconds. A command still running then fails
// the test, naming it, and the runner ends it with whatever it started; after that every wait
// gives up at once. A tool that hangs because the code under test broke fails its test, it
// never hangs it.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
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

// A bound on the program's own work (a window laying out text) that a broken change could make
// take minutes: when the object still lives after `limit`, the test program ends with a failure
// that names `what`.
class Deadline {
public:
    Deadline(std::string what, std::chrono::milliseconds limit);
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread watch_;
};

}  // namespace tarnwick::testing
