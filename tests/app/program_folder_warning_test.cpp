// The folders that start-up refuses, each with its own message, and one it works in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/program_folder_warning.h"
#include "host/encoding.h"
#include "host/paths.h"
#include "host/program_folder_names.h"
#include "tests/support/fake_tools.h"
#include "tests/support/real_commands_host.h"
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

namespace fs = std::filesystem;

// The path as the system's calls take it beyond MAX_PATH.
fs::path Unlimited(const fs::path& path) {
    return kWindows ? fs::path(L"\\\\?\\" + path.wstring()) : path;
}

// A folder of exactly `length` characters inside `base`, made.
Text FolderOfLength(const testing::TempFolder& base, std::size_t length) {
    const Text start = ProgramPath(base.path()) + "\\";
    Text folder =
        start +
        Text(std::string(length - static_cast<std::size_t>(TextLength(start)), 'a').c_str());
    fs::create_directory(Unlimited(NativePath(folder)));
    return folder;
}

TEST(ProgramFolderWarning, NamesWhatKeepsTheProgramFromItsFolder) {
    const testing::TempFolder writable;
    const testing::TempFolder base;
    const Text longest = FolderOfLength(base, kLongestProgramFolder);
    const struct {
        bool applies;
        Text folder;
        const char* problem;  // nullptr: no message
        Text shown = "";      // the folder as the message names it; empty: as the system names it
    } cases[] = {
        {true, ProgramPath(writable.path()), nullptr},
        {true, "\\\\?\\" + ProgramPath(writable.path()), nullptr},
        // On Windows what code page 936 could not hold stands as a ? in the folder's path.
        {true, "C:\\Users\\?\\Tarnwick",
         kWindows ? "程序所在文件夹的路径中含有系统不支持的字符:" : kCommandLine},
        {true, "C:\\50%off\\Tarnwick", kCommandLine,
         kWindows ? "C:\\50%off\\Tarnwick" : "~/50%off/Tarnwick"},
        {true, longest + "%", kCommandLine},
        {!kWindows, "Z:\\tmp\\a\"b\\Tarnwick", kCommandLine},
        {true, "\\\\server\\share\\Tarnwick", "程序不能在网络文件夹中运行:"},
        {true, "\\\\?\\UNC\\server\\share\\Tarnwick",
         "程序不能在网络文件夹中运行:", ShownPath("\\\\server\\share\\Tarnwick")},
        {true, longest, nullptr},
        {kWindows, longest + "a", "程序所在文件夹的路径太长(最多226个字符):"},
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
            // The folder whole, as the system names it.
            EXPECT_NE(message.find("\r\n\r\n" +
                                   Utf8FromText(c.shown.empty() ? ShownPath(c.folder) : c.shown) +
                                   "\r\n\r\n"),
                      std::string::npos)
                << message;
            EXPECT_TRUE(message.ends_with(kWhatToDo)) << message;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(writable.path()));  // the probe is gone
}

// In the longest folder that start-up lets through, the longest name the program uses there
// fits: cmd's copy (which fails on a longer path without a word) and a tool that its line hands
// the copy by its bare name find their files.
TEST(ProgramFolderWarning, AToolInTheLongestFolderFindsItsFiles) {
    const testing::TempFolder base;
    const testing::TempFolder tools;  // on PATH
    testing::InstallFakeTool(tools, "adb", "adb");
    const testing::ScopedEnvironment record(testing::kFakeRecordVariable,
                                            (tools / "record.txt").string());
    const testing::ScopedEnvironment path(
        "PATH", tools.path().string() + (kWindows ? ";" : ":") + std::getenv("PATH"));
    const Text folder = FolderOfLength(base, kLongestProgramFolder);
    fs::create_directory(Unlimited(NativePath(folder + "\\recovery")));
    const testing::CurrentDirectory current(NativePath(folder));  // as start-up makes it
    testing::RealCommandsHost host(NativePath(folder));
    ASSERT_TRUE(host.WriteFile("recovery\\find5_twrp_recovery.img", {"IMAGE"}));

    host.RunCommand("cmd /c copy /y recovery\\find5_twrp_recovery.img recovery.img", true, 1);
    EXPECT_TRUE(host.RunCommand("cmd /c adb push recovery.img", true, 1).Succeeded());

    EXPECT_EQ(tools.Read("record.txt"), "[adb]\npush\nrecovery.img\n<<IMAGE>>\n");
}

}  // namespace
}  // namespace tarnwick::app
