#include "host/program_directory.h"

#include <system_error>

#include "host/command_paths.h"
#include "host/executable_path.h"
#include "host/files.h"
#include "host/paths.h"

namespace tarnwick {

namespace {

Text& FixedDirectory() {
    static Text directory;
    return directory;
}

}  // namespace

ProgramLocation SplitProgramPath(const Text& executablePath) {
    const int cut = FindTextReverse(executablePath, "\\");
    if (cut == -1) {
        return {"", executablePath};
    }
    return {LeftText(executablePath, cut - 1),
            RightText(executablePath, TextLength(executablePath) - cut)};
}

FolderProblem CheckProgramFolder(const Text& folder) {
    if (!CanPassOnCommandLine(folder)) {
        return FolderProblem::LostCharacters;
    }
    if (folder.bytes().starts_with("\\\\")) {
        return FolderProblem::NetworkFolder;
    }
    return CanCreateFileIn(folder) ? FolderProblem::None : FolderProblem::NotWritable;
}

bool FixProgramDirectory() {
    const Text executable = ExecutablePath();
    const Text directory = SplitProgramPath(executable).directory;
    if (directory.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::current_path(NativePath(directory), error);
    if (error) {
        return false;
    }
    FixedDirectory() = directory;
    return true;
}

Text ProgramDirectory() {
    return FixedDirectory();
}

}  // namespace tarnwick
