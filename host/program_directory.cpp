#include "host/program_directory.h"

#include <system_error>

#include "host/command_paths.h"
#include "host/files.h"
#include "host/paths.h"
#ifndef _WIN32
#include "host/posix/user_program_folder.h"
#endif

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

ProgramFolderChoice ChooseProgramFolder(const Text& executableFolder) {
#ifdef _WIN32
    return {executableFolder};
#else
    if (executableFolder.empty() || !FileExists(executableFolder + "\\installed")) {
        return {executableFolder};
    }
    const std::filesystem::path folder = posix::UserProgramFolder();
    return {ProgramPath(folder),
            posix::SetUpUserProgramFolder(folder, NativePath(executableFolder))};
#endif
}

bool FixProgramDirectory(const Text& folder) {
    if (folder.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::current_path(NativePath(folder), error);
    if (error) {
        return false;
    }
    FixedDirectory() = folder;
    return true;
}

Text ProgramDirectory() {
    return FixedDirectory();
}

}  // namespace tarnwick
