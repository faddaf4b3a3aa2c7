// The folders that start-up refuses, each with its own message, and one it works in.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/program_folder_warning.h"
#include "host/encoding.h"
#include "host/paths.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::app {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
const char* const kWhatToDo = "请将程序解压到您自己的文件夹中,例如 D:\\Tarnwick,再从那里运行!";
#else
constexpr bool kWindows = false;
const char* const kWhatToDo = "请将程序放到您自己的文件夹中,例如 ~/Tarnwick,再从那里运行!";
#endif
const char* const kCommandLine = "程序所在文件夹的路径中含有命令行无法传递的字符:";

TEST(ProgramFolderWarning, NamesWhatKeepsTheProgramFromItsFolder) {
    const testing::TempFolder writable;
    const Text deep = "C:\\" + Text(std::string(300, 'a').c_str());
    const struct {
        bool applies;
        Text folder;
        const char* problem;  // nullptr: no message
        Text shown = "";      // the folder as the message names it; empty: as given
    } cases[] = {
        {true, ProgramPath(writable.path()), nullptr},
        {true, "\\\\?\\" + ProgramPath(writable.path()), nullptr},
        // On Windows what code page 936 could not hold stands as a ? in the folder's path.
        {true, "C:\\Users\\?\\Tarnwick",
         kWindows ? "程序所在文件夹的路径中含有系统不支持的字符:" : kCommandLine},
        {true, "C:\\50%off\\Tarnwick", kCommandLine},
        {!kWindows, "Z:\\tmp\\a\"b\\Tarnwick", kCommandLine},
        {true, "\\\\server\\share\\Tarnwick", "程序不能在网络文件夹中运行:"},
        {true, "\\\\?\\UNC\\server\\share\\Tarnwick",
         "程序不能在网络文件夹中运行:", "\\\\server\\share\\Tarnwick"},
        {kWindows, deep, "程序所在文件夹的路径太长:"},
        {true, "Z:\\proc", "程序所在的文件夹无法写入文件"},  // not even for root
    };
    for (const auto& c : cases) {
        if (!c.applies) {
            continue;
        }
        SCOPED_TRACE(Utf8FromText(c.folder));
        const std::optional<Text> warning = ProgramFolderWarning(c.folder);
        EXPECT_EQ(warning.has_value(), c.problem != nullptr);
        if (warning && c.problem != nullptr) {
            const std::string message = Utf8FromText(*warning);
            EXPECT_TRUE(message.starts_with(c.problem)) << message;
            EXPECT_NE(message.find(Utf8FromText(c.shown.empty() ? c.folder : c.shown) + "\r\n"),
                      std::string::npos);
            EXPECT_TRUE(message.ends_with(kWhatToDo)) << message;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(writable.path()));  // the probe is gone
}

}  // namespace
}  // namespace tarnwick::app
