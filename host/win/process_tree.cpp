#include "host/win/process_tree.h"

#include <tlhelp32.h>

#include <map>
#include <vector>

namespace tarnwick {

namespace {

// When the process began; 0 when it cannot be told.
ULONGLONG CreationTime(HANDLE process) {
    FILETIME created{};
    FILETIME unused{};
    if (!GetProcessTimes(process, &created, &unused, &unused, &unused)) {
        return 0;
    }
    return (ULONGLONG{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

// Every process by the id of its parent.
std::multimap<DWORD, DWORD> ChildrenByParent() {
    std::multimap<DWORD, DWORD> children;
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot.valid() && Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID != entry.th32ParentProcessID) {
            children.emplace(entry.th32ParentProcessID, entry.th32ProcessID);
        }
    }
    return children;
}

// Ends the children of the process (begun at `since`) and theirs, leaves first.
void EndDescendants(DWORD parent, ULONGLONG since, const std::multimap<DWORD, DWORD>& children,
                    UINT exitCode) {
    const auto [first, last] = children.equal_range(parent);
    for (auto child = first; child != last; ++child) {
        const OwnedHandle handle(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                                             FALSE, child->second));
        const ULONGLONG created = handle.valid() ? CreationTime(handle.get()) : 0;
        if (created == 0 || created <= since) {
            continue;
        }
        EndDescendants(child->second, created, children, exitCode);
        TerminateProcess(handle.get(), exitCode);
    }
}

}  // namespace

void EndProcessTree(HANDLE process, UINT exitCode) {
    EndDescendants(GetProcessId(process), CreationTime(process), ChildrenByParent(), exitCode);
    TerminateProcess(process, exitCode);
}

}  // namespace tarnwick
