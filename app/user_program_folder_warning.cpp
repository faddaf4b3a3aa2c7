#include "app/user_program_folder_warning.h"

#include "host/command_paths.h"
#include "host/paths.h"

namespace tarnwick::app {

Text UserProgramFolderWarning(const Text& folder) {
    if (!CanPassOnCommandLine(folder)) {
        return "程序文件夹的路径中含有命令行无法传递的字符:\r\n\r\n" + ShownPath(folder) +
               "\r\n\r\n请将环境变量 XDG_DATA_HOME 设为路径中不含这些字符的文件夹,再重新运行!";
    }
    return "无法使用程序文件夹:\r\n\r\n" + ShownPath(folder) +
           "\r\n\r\n请腾出磁盘空间,或修改该文件夹的权限使您能够写入,再重新运行!";
}

}  // namespace tarnwick::app
