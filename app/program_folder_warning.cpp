#include "app/program_folder_warning.h"

#include <string>
#include <string_view>

#include "host/lead_byte.h"
#include "host/long_path_prefix.h"
#include "host/program_directory.h"

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

// A message box is as wide as its longest line, and a path has no blank to wrap at: a long one
// would run off a screen 1,024 pixels wide. In bytes a line is as wide as it shows (a two-byte
// character takes the room of two letters).
constexpr std::size_t kLineBytes = 80;

const char* Problem(FolderProblem problem) {
    switch (problem) {
        case FolderProblem::LostCharacters:
            return "程序所在文件夹的路径中含有系统不支持的字符:";
        case FolderProblem::CommandLineCharacters:
            return "程序所在文件夹的路径中含有命令行无法传递的字符:";
        case FolderProblem::NetworkFolder:
            return "程序不能在网络文件夹中运行:";
        case FolderProblem::TooLong:
            return "程序所在文件夹的路径太长:";
        case FolderProblem::NotWritable:
            return kNotWritable;
        case FolderProblem::None:
            break;
    }
    return nullptr;
}

}  // namespace

std::optional<Text> ProgramFolderWarning(const Text& folder) {
    const Text plain = Text::FromBytes(WithoutLongPathPrefix<char>(folder.bytes()));
    const char* problem = Problem(CheckProgramFolder(plain));
    if (problem == nullptr) {
        return std::nullopt;
    }
    return problem + ("\r\n\r\n" + FolderInLines(plain)) + kWhatToDo;
}

Text FolderInLines(const Text& folder) {
    std::string_view rest = folder.bytes();
    std::string lines;
    while (rest.size() > kLineBytes) {
        std::size_t end = 0;
        std::size_t afterBackslash = 0;
        for (;;) {
            const std::size_t size = LeadingCharactersSize(rest.substr(end), 1);
            if (end + size > kLineBytes) {
                break;
            }
            end += size;
            afterBackslash = size == 1 && rest[end - 1] == '\\' ? end : afterBackslash;
        }
        // After a folder's name where that leaves the line at least half full.
        const std::size_t cut = afterBackslash > kLineBytes / 2 ? afterBackslash : end;
        lines += rest.substr(0, cut);
        lines += "\r\n";
        rest.remove_prefix(cut);
    }
    return Text::FromBytes(lines + std::string(rest));
}

}  // namespace tarnwick::app
