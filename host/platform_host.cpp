#include "host/host.h"

#include <utility>

#include "host/files.h"
#include "host/paths.h"
#include "host/program_directory.h"
#include "host/waited_work.h"

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

SigningPairFault PlatformHost::CheckSigningPair(const Text& certificate, const Text& key) {
    return tarnwick::CheckSigningPair(certificate, key);
}

bool PlatformHost::StartMakesSigningPair() {
    return tarnwick::StartMakesSigningPair();
}

}  // namespace tarnwick
