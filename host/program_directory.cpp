#include "host/program_directory.h"

#include <system_error>

#include "host/command_paths.h"
#include "host/executable_path.h"
#include "host/files.h"
#include "host/lead_byte.h"
#include "host/long_path_prefix.h"
#include "host/paths.h"
#include "host/program_folder_names.h"
#ifndef _WIN32
#include "host/posix/user_program_folder.h"
#endif

namespace tarnwick {

namespace {

#ifndef _WIN32
// An installed program on Linux is marked by a file beside it.
bool IsInstalled(const Text& executableFolder) {
    return !executableFolder.empty() && FileExists(executableFolder + "\\installed");
}
#endif

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
#ifdef _WIN32
        // A Windows name holds neither ? nor *: they stand for characters the code page lost.
        if (FindText(folder, "?") != -1 || FindText(folder, "*") != -1) {
            return FolderProblem::LostCharacters;
        }
#endif
        return FolderProblem::CommandLineCharacters;
    }
    if (folder.bytes().starts_with("\\\\")) {
        return FolderProblem::NetworkFolder;
    }
#ifdef _WIN32
    if (LeadingCharactersSize(folder.bytes(), kLongestProgramFolder) < folder.bytes().size()) {
        return FolderProblem::TooLong;
    }
#endif
    return CanCreateFileIn(folder) ? FolderProblem::None : FolderProblem::NotWritable;
}

Text ExecutableFolder() {
    return Text::FromBytes(
        WithoutLongPathPrefix<char>(SplitProgramPath(ExecutablePath()).directory.bytes()));
}

ProgramFolderChoice ChooseProgramFolder(const Text& executableFolder) {
#ifdef _WIN32
    return {executableFolder};
#else
    if (!IsInstalled(executableFolder)) {
        return {executableFolder};
    }
    const std::filesystem::path folder = posix::UserProgramFolder();
    // A folder the command lines cannot name is never made.
    if (!CanPassOnCommandLine(ProgramPath(folder))) {
        return {ProgramPath(folder), false};
    }
    return {ProgramPath(folder),
            posix::SetUpUserProgramFolder(folder, NativePath(executableFolder))};
#endif
}

bool StartMakesSigningPair() {
#ifdef _WIN32
    return false;
#else
    return IsInstalled(ExecutableFolder());
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
