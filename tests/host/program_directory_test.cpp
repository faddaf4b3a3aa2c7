// The program directory: cut at the last real backslash, fixed once as the current directory.
#include "host/program_directory.h"

#include <gtest/gtest.h>

#include "host/executable_path.h"
#include "host/paths.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

TEST(SplitProgramPath, CutsAtTheLastBackslash) {
    const struct {
        Text executable, directory, fileName;
    } cases[] = {
        {"C:\\tools\\Tarnwick.exe", "C:\\tools", "Tarnwick.exe"},
        {"C:\\x.exe", "C:", "x.exe"},
        {"Z:\\opt\\工具箱\\tarnwick", "Z:\\opt\\工具箱", "tarnwick"},
        // 0x5C as the trail byte of a two-byte character is not a backslash.
        {Text::FromBytes("C:\\a\\\x81\x5C.exe"), "C:\\a", Text::FromBytes("\x81\x5C.exe")},
        {Text::FromBytes("C:\\\x81\x5C\\x.exe"), Text::FromBytes("C:\\\x81\x5C"), "x.exe"},
    };
    for (const auto& c : cases) {
        const ProgramLocation location = SplitProgramPath(c.executable);
        EXPECT_EQ(location.directory, c.directory) << c.executable;
        EXPECT_EQ(location.fileName, c.fileName) << c.executable;
    }
}

TEST(FixProgramDirectory, MakesTheExecutablesFolderCurrent) {
    testing::CurrentDirectory restore(std::filesystem::temp_directory_path());
    ASSERT_TRUE(FixProgramDirectory(SplitProgramPath(ExecutablePath()).directory));
    const Text directory = ProgramDirectory();
    EXPECT_NE(RightText(directory, 1), "\\");
    EXPECT_EQ(NativePath(directory), std::filesystem::current_path());
    const Text fileName = SplitProgramPath(ExecutablePath()).fileName;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::current_path() / NativePath(fileName)));
}

}  // namespace
}  // namespace tarnwick
