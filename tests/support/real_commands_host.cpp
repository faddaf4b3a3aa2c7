#include "tests/support/real_commands_host.h"

#include <utility>

#include "host/command_runner.h"
#include "host/encoding.h"
#include "host/files.h"
#include "host/paths.h"

namespace tarnwick::testing {

RealCommandsHost::RealCommandsHost(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

CommandResult RealCommandsHost::RunCommand(const Text& commandLine, bool wait,
                                           std::optional<int> windowMode) {
    wait_.For(Utf8FromText(commandLine));
    return CommandRunner(programFolder_, &wait_, deviceWaitLimit)
        .Run(commandLine, wait, windowMode);
}

Text RealCommandsHost::ProgramDirectory() {
    return ProgramPath(programFolder_);
}

Bytes RealCommandsHost::ReadFile(const Text& path) {
    return ReadWholeFile(path);
}

bool RealCommandsHost::WriteFile(const Text& path, std::initializer_list<Bytes> parts) {
    return WriteWholeFile(path, parts);
}

bool RealCommandsHost::DeleteFile(const Text& path) {
    return DeleteOneFile(path);
}

bool RealCommandsHost::FileExists(const Text& path) {
    return tarnwick::FileExists(path);
}

bool RealCommandsHost::PathExists(const Text& path) {
    return tarnwick::PathExists(path);
}

bool RealCommandsHost::SameFile(const Text& one, const Text& other) {
    return tarnwick::SameFile(one, other);
}

bool RealCommandsHost::IsLink(const Text& path) {
    return tarnwick::IsLink(path);
}

FolderWalkResult RealCommandsHost::WalkFolder(const Text& folder, const Text& file) {
    return tarnwick::WalkFolder(folder, file);
}

bool RealCommandsHost::LiesInside(const Text& path, const Text& folder) {
    return tarnwick::LiesInside(path, folder);
}

}  // namespace tarnwick::testing
