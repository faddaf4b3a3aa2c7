#pragma once
// Work of the program's own that may take long (the walk through a big folder) is waited for as
// a command is: it runs on a thread of its own while the wait keeps the windows repainting and
// takes no input; the handler that asked goes on with its result afterwards.

#include <chrono>
#include <future>
#include <thread>
#include <utility>

#include "host/command_runner.h"

namespace tarnwick {

// The result of work(), run on a thread of its own while `wait` waits for it; without a wait,
// on the calling thread. A wait that stops early changes nothing: the work is not ended from
// outside, and its result is still waited for.
template <class Work>
auto ResultOfWaitedWork(ProcessWait* wait, Work work) -> decltype(work()) {
    if (wait == nullptr) {
        return work();
    }
    std::packaged_task<decltype(work())()> task(std::move(work));
    auto result = task.get_future();
    std::thread worker(std::move(task));
    wait->Until(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    worker.join();
    return result.get();
}

}  // namespace tarnwick
