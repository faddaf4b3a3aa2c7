#include "app/program_folder_warning.h"

#include "host/program_directory.h"

namespace tarnwick::app {

namespace {

const char* const kWhatToDo =
    "\r\n\r\n请将程序解压到您自己的文件夹中,例如 D:\\Tarnwick,再从那里运行!";

const char* Problem(FolderProblem problem) {
    switch (problem) {
        case FolderProblem::LostCharacters:
            return "程序所在文件夹的路径中含有系统不支持的字符:";
        case FolderProblem::NetworkFolder:
            return "程序不能在网络文件夹中运行:";
        case FolderProblem::NotWritable:
            return "程序所在的文件夹无法写入文件(Program Files、只读光盘或压缩包中都不行):";
        case FolderProblem::None:
            break;
    }
    return nullptr;
}

}  // namespace

std::optional<Text> ProgramFolderWarning(const Text& folder) {
    const char* problem = Problem(CheckProgramFolder(folder));
    if (problem == nullptr) {
        return std::nullopt;
    }
    return problem + ("\r\n\r\n" + folder) + kWhatToDo;
}

}  // namespace tarnwick::app
