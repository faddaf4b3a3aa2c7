#include "app/user_program_folder_warning.h"

#include "app/program_folder_warning.h"

namespace tarnwick::app {

Text UserProgramFolderWarning(const Text& folder) {
    return "无法使用程序文件夹:\r\n\r\n" + FolderInLines(folder) +
           "\r\n\r\n请腾出磁盘空间,或修改该文件夹的权限使您能够写入,再重新运行!";
}

}  // namespace tarnwick::app
