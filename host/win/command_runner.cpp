// Runs a command line through CreateProcessW, exactly as the caller wrote it: no program name
// apart from the line, no quoting added. Windows itself finds the program, in the executable's
// folder and the current directory (the program folder) first and then on PATH, so the runner
// needs no lookup of its own. A waited command prints into a pipe that is read while it runs,
// and it runs in a job (or, where none can take it, is followed by its process tree), so that a
// tool that waits too long for a device is ended with whatever it started.

#include "host/win/windows_api.h"

#include <algorithm>
#include <array>
#include <utility>

#include "host/command_runner.h"
#include "host/device_wait.h"
#include "host/encoding.h"
#include "host/win/process_start.h"
#include "host/win/process_tree.h"

namespace tarnwick {

namespace {

// The show state of the new program's first window, by window mode 1..6.
constexpr std::array<WORD, 6> kShowStateByWindowMode = {
    SW_HIDE,            // 1
    SW_SHOWNORMAL,      // 2
    SW_SHOWMINIMIZED,   // 3
    SW_SHOWMAXIMIZED,   // 4
    SW_SHOWNOACTIVATE,  // 5
    SW_MINIMIZE,        // 6
};

constexpr int kDefaultWindowMode = 2;
constexpr DWORD kInputIdleMilliseconds = 1000;
constexpr DWORD kCheckMilliseconds = 10;

WORD ShowState(std::optional<int> windowMode) {
    const int mode = std::clamp(windowMode.value_or(kDefaultWindowMode), 1,
                                static_cast<int>(kShowStateByWindowMode.size()));
    return kShowStateByWindowMode[mode - 1];
}

SECURITY_ATTRIBUTES Inheritable() {
    return {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
}

// The pipe a waited command prints into, its empty input and its job.
class CommandWatch {
public:
    CommandWatch() : CommandWatch(CreateOutputPipe()) {}

    bool valid() const { return input_.valid() && job_.valid() && read_.valid(); }
    ChildStreams streams() const { return {input_.get(), write_.get(), job_.get()}; }
    const std::string& printed() const { return printed_; }

    void Drain() {
        DWORD available = 0;
        while (PeekNamedPipe(read_.get(), nullptr, 0, nullptr, &available, nullptr) &&
               available > 0) {
            std::string chunk(available, '\0');
            DWORD count = 0;
            if (!::ReadFile(read_.get(), chunk.data(), available, &count, nullptr)) {
                return;
            }
            printed_.append(chunk.data(), count);
        }
    }

    // Ends the process and everything it started: by its job, or where the job could not take
    // it, by its process tree.
    void End(const StartedProcess& started) const {
        if (started.inJob) {
            TerminateJobObject(job_.get(), kGaveUpWaitingExitCode);
        } else {
            EndProcessTree(started.process.get(), kGaveUpWaitingExitCode);
        }
    }

private:
    struct Pipe {
        HANDLE read = nullptr;
        HANDLE write = nullptr;
    };

    explicit CommandWatch(Pipe pipe)
        : input_(OpenNul()),
          job_(CreateJobObjectW(nullptr, nullptr)),
          read_(pipe.read),
          write_(pipe.write) {}

    // Only the write end is inherited.
    static Pipe CreateOutputPipe() {
        SECURITY_ATTRIBUTES inherit = Inheritable();
        Pipe pipe;
        if (!CreatePipe(&pipe.read, &pipe.write, &inherit, 0)) {
            return {};
        }
        SetHandleInformation(pipe.read, HANDLE_FLAG_INHERIT, 0);
        return pipe;
    }

    static HANDLE OpenNul() {
        SECURITY_ATTRIBUTES inherit = Inheritable();
        return CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                           OPEN_EXISTING, 0, nullptr);
    }

    OwnedHandle input_;
    OwnedHandle job_;
    OwnedHandle read_;
    OwnedHandle write_;
    std::string printed_;
};

}  // namespace

CommandRunner::CommandRunner(std::filesystem::path programFolder, ProcessWait* wait,
                             std::chrono::milliseconds deviceWaitLimit)
    : programFolder_(std::move(programFolder)), wait_(wait), deviceWaitLimit_(deviceWaitLimit) {}

CommandResult CommandRunner::Run(const Text& commandLine, bool wait,
                                 std::optional<int> windowMode) {
    CommandWatch watch;
    const ChildStreams streams = watch.streams();
    const std::optional<StartedProcess> started =
        StartProcess(Utf16FromText(commandLine), ShowState(windowMode),
                     wait && watch.valid() ? &streams : nullptr);
    if (!started) {
        return {false, 0};
    }
    const HANDLE process = started->process.get();
    if (!wait) {
        WaitForInputIdle(process, kInputIdleMilliseconds);
        return {true, 0};
    }
    DeviceWait deviceWait(deviceWaitLimit_);
    bool gaveUp = false;
    const auto hasEnded = [&] {
        watch.Drain();
        if (!gaveUp && deviceWait.TooLong(watch.printed())) {
            watch.End(*started);
            gaveUp = true;
        }
        return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    };
    if (wait_ != nullptr && !wait_->Until(hasEnded)) {
        watch.End(*started);  // the waiter stopped waiting
        gaveUp = true;
    }
    while (!hasEnded()) {
        WaitForSingleObject(process, kCheckMilliseconds);
    }
    watch.Drain();
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    return {true, gaveUp ? kGaveUpWaitingExitCode : static_cast<int>(exitCode),
            ToolOutputText(watch.printed())};
}

}  // namespace tarnwick
