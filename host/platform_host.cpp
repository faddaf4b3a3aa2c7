#include "host/host.h"

#include <utility>

#include "host/files.h"
#include "host/paths.h"
#include "host/program_directory.h"
#include "host/waited_work.h"
#ifndef _WIN32
#include "host/posix/signing_pair.h"
#endif

namespace tarnwick {

PlatformHost::PlatformHost(ProcessWait* wait, FolderWalker walker)
    : wait_(wait), walker_(walker ? std::move(walker) : FolderWalker(tarnwick::WalkFolder)) {}

CommandResult PlatformHost::RunCommand(const Text& commandLine, bool wait,
                                       std::optional<int> windowMode) {
    return CommandRunner(NativePath(tarnwick::ProgramDirectory()), wait_)
        .Run(commandLine, wait, windowMode);
}

Text PlatformHost::ProgramDirectory() {
    return tarnwick::ProgramDirectory();
}

Bytes PlatformHost::ReadFile(const Text& path) {
    return ReadWholeFile(path);
}

bool PlatformHost::WriteFile(const Text& path, std::initializer_list<Bytes> parts) {
    return WriteWholeFile(path, parts);
}

bool PlatformHost::DeleteFile(const Text& path) {
    return DeleteOneFile(path);
}

bool PlatformHost::FileExists(const Text& path) {
    return tarnwick::FileExists(path);
}

bool PlatformHost::PathExists(const Text& path) {
    return tarnwick::PathExists(path);
}

bool PlatformHost::SameFile(const Text& one, const Text& other) {
    return tarnwick::SameFile(one, other);
}

bool PlatformHost::IsLink(const Text& path) {
    return tarnwick::IsLink(path);
}

// A walk through a big folder takes seconds: it is waited for like a command.
FolderWalkResult PlatformHost::WalkFolder(const Text& folder, const Text& file) {
    return ResultOfWaitedWork(wait_, [&] { return walker_(folder, file); });
}

bool PlatformHost::LiesInside(const Text& path, const Text& folder) {
    return tarnwick::LiesInside(path, folder);
}

bool PlatformHost::SigningPairUsable(const Text& certificate, const Text& key) {
#ifdef _WIN32
    (void)certificate;
    (void)key;
    return true;
#else
    return posix::SigningPairUsable(NativePath(certificate), NativePath(key));
#endif
}

}  // namespace tarnwick
