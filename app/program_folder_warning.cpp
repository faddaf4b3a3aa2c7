#include "app/program_folder_warning.h"

#include "host/long_path_prefix.h"
#include "host/paths.h"
#include "host/program_directory.h"
#include "host/program_folder_names.h"

namespace tarnwick::app {

namespace {

#ifdef _WIN32
const char* const kWhatToDo =
    "\r\n\r\n请将程序解压到您自己的文件夹中,例如 D:\\Tarnwick,再从那里运行!";
const char* const kNotWritable =
    "程序所在的文件夹无法写入文件(Program Files、只读光盘或压缩包中都不行):";
#else
const char* const kWhatToDo = "\r\n\r\n请将程序放到您自己的文件夹中,例如 ~/Tarnwick,再从那里运行!";
const char* const kNotWritable =
    "程序所在的文件夹无法写入文件(/usr 下的文件夹、只读挂载的磁盘中都不行):";
#endif

std::optional<Text> Problem(FolderProblem problem) {
    switch (problem) {
        case FolderProblem::LostCharacters:
            return "程序所在文件夹的路径中含有系统不支持的字符:";
        case FolderProblem::CommandLineCharacters:
            return "程序所在文件夹的路径中含有命令行无法传递的字符:";
        case FolderProblem::NetworkFolder:
            return "程序不能在网络文件夹中运行:";
        case FolderProblem::TooLong:
            return "程序所在文件夹的路径太长(最多" +
                   ToText(static_cast<int>(kLongestProgramFolder)) + "个字符):";
        case FolderProblem::NotWritable:
            return kNotWritable;
        case FolderProblem::None:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Text> ProgramFolderWarning(const Text& folder) {
    const Text plain = Text::FromBytes(WithoutLongPathPrefix<char>(folder.bytes()));
    const std::optional<Text> problem = Problem(CheckProgramFolder(plain));
    if (!problem) {
        return std::nullopt;
    }
    return *problem + "\r\n\r\n" + ShownPath(plain) + kWhatToDo;
}

}  // namespace tarnwick::app
