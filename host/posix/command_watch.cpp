#include "host/posix/command_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "host/device_wait.h"
#include "host/encoding.h"

namespace tarnwick::posix {

namespace {

constexpr int kCheckMilliseconds = 10;

// A descriptor that becomes readable when the process ends (Linux 5.3), so that the wait wakes
// at its end rather than at the next check; -1 where the kernel has none.
int ProcessEndDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

}  // namespace

CommandWatch::CommandWatch(ProcessWait* wait, std::chrono::milliseconds deviceWaitLimit)
    : wait_(wait), deviceWaitLimit_(deviceWaitLimit) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) == 0) {
        read_ = ends[0];
        write_ = ends[1];
        fcntl(read_, F_SETFL, fcntl(read_, F_GETFL) | O_NONBLOCK);
    } else {
        write_ = open("/dev/null", O_WRONLY | O_CLOEXEC);  // what it prints is lost, no more
    }
}

CommandWatch::~CommandWatch() {
    for (const int fd : {read_, write_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void CommandWatch::Drain() {
    char buffer[4096];
    ssize_t count;
    while (read_ >= 0 && (count = read(read_, buffer, sizeof buffer)) > 0) {
        printed_.append(buffer, static_cast<std::size_t>(count));
    }
}

int CommandWatch::WaitForExit(pid_t pid) {
    const std::size_t start = printed_.size();
    // Taken while the process is still ours to reap, so the descriptor can only be its own.
    const int processEnd = ProcessEndDescriptor(pid);
    DeviceWait deviceWait(deviceWaitLimit_);
    bool collected = false;
    int status = 0;
    // Its process group: the tool and whatever it started.
    const auto endAll = [&] {
        kill(-pid, SIGKILL);
        gaveUp_ = true;
    };
    const auto hasEnded = [&] {
        if (collected) {
            return true;
        }
        Drain();
        if (!gaveUp_ && deviceWait.TooLong(std::string_view(printed_).substr(start))) {
            endAll();
        }
        const pid_t result = waitpid(pid, &status, WNOHANG);
        collected = result == pid;
        return collected || (result < 0 && errno != EINTR);
    };
    if (wait_ != nullptr && !wait_->Until(hasEnded)) {
        endAll();  // the waiter stopped waiting
    }
    pollfd watched[] = {{processEnd, POLLIN, 0}, {read_, POLLIN, 0}};
    while (!hasEnded()) {
        poll(watched, 2, kCheckMilliseconds);  // a descriptor of -1 is left out
    }
    if (processEnd >= 0) {
        close(processEnd);
    }
    Drain();
    if (gaveUp_) {
        return kGaveUpWaitingExitCode;
    }
    if (!collected) {
        return -1;
    }
    // A signal's end reads as a shell would report it.
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

Text CommandWatch::Printed() {
    Drain();
    return Text::FromBytes(ToolOutputToProgramEncoding(printed_));
}

}  // namespace tarnwick::posix
