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

TEST(ProgramFolderWarning, NamesWhatKeepsTheProgramFromItsFolder) {
    const testing::TempFolder writable;
    const struct {
        Text folder;
        const char* problem;  // how the message begins; nullptr: no message
    } cases[] = {
        {ProgramPath(writable.path()), nullptr},
        // What code page 936 could not hold stands as a ? in the folder's path.
        {"C:\\Users\\?\\Tarnwick", "程序所在文件夹的路径中含有系统不支持的字符"},
        {"\\\\server\\share\\Tarnwick", "程序不能在网络文件夹中运行"},
        {"Z:\\proc", "程序所在的文件夹无法写入文件"},  // not even for root
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8FromText(c.folder));
        const std::optional<Text> warning = ProgramFolderWarning(c.folder);
        ASSERT_EQ(warning.has_value(), c.problem != nullptr);
        if (warning) {
            EXPECT_TRUE(Utf8FromText(*warning).starts_with(c.problem));
            EXPECT_TRUE(Utf8FromText(*warning).ends_with("例如 D:\\Tarnwick,再从那里运行!"));
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(writable.path()));  // the probe is gone
}

}  // namespace
}  // namespace tarnwick::app
