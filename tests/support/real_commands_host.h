#pragma once
// A FakeHost whose commands and files are real: command lines run through the command runner
// with a given program folder, and files are read and written on disk (relative names in the
// current directory). Messages, pauses and choosers stay scripted and recorded; the real
// operations are not recorded, the tools and the files tell what happened. A command that runs
// longer than the tests allow fails the test (bounded_wait.h).

#include <chrono>
#include <filesystem>

#include "tests/support/bounded_wait.h"
#include "tests/support/fake_host.h"

namespace tarnwick::testing {

class RealCommandsHost : public FakeHost {
public:
    explicit RealCommandsHost(std::filesystem::path programFolder);

    CommandResult RunCommand(const Text& commandLine, bool wait,
                             std::optional<int> windowMode = std::nullopt) override;
    Text ProgramDirectory() override;  // the program folder as a program path
    Bytes ReadFile(const Text& path) override;
    bool WriteFile(const Text& path, std::initializer_list<Bytes> parts) override;
    bool DeleteFile(const Text& path) override;
    bool FileExists(const Text& path) override;
    bool PathExists(const Text& path) override;
    bool SameFile(const Text& one, const Text& other) override;
    bool IsLink(const Text& path) override;
    FolderWalkResult WalkFolder(const Text& folder, const Text& file) override;
    bool LiesInside(const Text& path, const Text& folder) override;

    // How long a tool that waits for a device is given; a test shortens it.
    std::chrono::milliseconds deviceWaitLimit = kDeviceWaitLimit;

private:
    std::filesystem::path programFolder_;
    BoundedWait wait_;
};

}  // namespace tarnwick::testing
