#include "host/win/process_start.h"

#include <array>
#include <string>
#include <vector>

namespace tarnwick {

namespace {

AssignToJob assignToJob = AssignProcessToJobObject;

// The start-up information that lets the child inherit exactly `handles`.
class InheritedHandles {
public:
    explicit InheritedHandles(std::array<HANDLE, 2> handles) : handles_(handles) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        buffer_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer_.data());
        if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) {
            return;
        }
        initialized_ = list;
        if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                      sizeof handles_, nullptr, nullptr)) {
            list_ = list;
        }
    }
    ~InheritedHandles() {
        if (initialized_ != nullptr) {
            DeleteProcThreadAttributeList(initialized_);
        }
    }
    InheritedHandles(const InheritedHandles&) = delete;
    InheritedHandles& operator=(const InheritedHandles&) = delete;

    // Null when it could not be made.
    LPPROC_THREAD_ATTRIBUTE_LIST list() const { return list_; }

private:
    std::array<HANDLE, 2> handles_;  // must outlive the list
    std::vector<char> buffer_;
    LPPROC_THREAD_ATTRIBUTE_LIST initialized_ = nullptr;  // to be deleted
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;         // holding the handles
};

}  // namespace

void SetJobAssignment(AssignToJob assign) {
    assignToJob = assign != nullptr ? assign : AssignProcessToJobObject;
}

std::optional<StartedProcess> StartProcess(std::u16string_view commandLine, WORD showState,
                                           const ChildStreams* streams) {
    // CreateProcessW may write into the command line, so it gets its own terminated copy.
    std::wstring line = Wide(commandLine);
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
    startup.StartupInfo.wShowWindow = showState;
    // A console program started hidden gets a console of its own without any window: some
    // console hosts show a window whatever the show state says.
    DWORD flags = showState == SW_HIDE ? CREATE_NO_WINDOW : 0;
    std::optional<InheritedHandles> inherited;
    if (streams != nullptr) {
        startup.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
        startup.StartupInfo.hStdInput = streams->input;
        startup.StartupInfo.hStdOutput = streams->output;
        startup.StartupInfo.hStdError = streams->output;
        // Only these two, not every inheritable handle of the program: what the tool starts (an
        // adb server that outlives it) would keep them open.
        inherited.emplace(std::array<HANDLE, 2>{streams->input, streams->output});
        if (inherited->list() == nullptr) {
            return std::nullopt;
        }
        startup.lpAttributeList = inherited->list();
        // Suspended until it is in the job: nothing it starts can escape the job.
        flags |= CREATE_SUSPENDED | EXTENDED_STARTUPINFO_PRESENT;
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, streams != nullptr, flags, nullptr,
                        nullptr, &startup.StartupInfo, &process)) {
        return std::nullopt;
    }
    StartedProcess started{OwnedHandle(process.hProcess), OwnedHandle(process.hThread)};
    if (streams != nullptr) {
        started.inJob = assignToJob(streams->job, process.hProcess) != 0;
        ResumeThread(process.hThread);
    }
    return started;
}

}  // namespace tarnwick
