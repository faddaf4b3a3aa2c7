// Drive mapping outside Windows: C: is the home folder, Z: the root.
#include "host/paths.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;

class DriveMapping : public ::testing::Test {
protected:
    ScopedEnvironment home_{"HOME", "/home/ann"};
};

TEST_F(DriveMapping, ProgramPathsBecomeNativePaths) {
    const struct {
        Text program;
        fs::path native;
        Text shown;  // as a message that asks the user to act on the file names it
    } cases[] = {
        {"C:\\Downloads\\twrp.img", "/home/ann/Downloads/twrp.img", "~/Downloads/twrp.img"},
        {"c:\\Downloads\\twrp.img", "/home/ann/Downloads/twrp.img", "~/Downloads/twrp.img"},
        {"c:\\", "/home/ann", "~"},
        {"C:", "/home/ann", "~"},
        {"C:tools\\adb", "/home/ann/tools/adb", "~/tools/adb"},
        {"C:\\..\\annex\\x.img", "/home/ann/../annex/x.img", "/home/annex/x.img"},
        {"Z:\\usr\\bin\\adb", "/usr/bin/adb", "/usr/bin/adb"},
        {"z:\\", "/", "/"},
        {"C:\\刷机\\恢复.img", "/home/ann/刷机/恢复.img", "~/刷机/恢复.img"},
        {"recovery\\find5_twrp_recovery.img", "recovery/find5_twrp_recovery.img",
         "recovery/find5_twrp_recovery.img"},
        {"recovery.img", "recovery.img", "recovery.img"},
        // no folder stands for drive E: outside Windows
        {"E:\\apps\\Foo.apk", "", "E:\\apps\\Foo.apk"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NativePath(c.program), c.native) << c.program;
        EXPECT_EQ(ShownPath(c.program), c.shown) << c.program;
    }
}

TEST_F(DriveMapping, NativePathsBecomeProgramPaths) {
    const struct {
        fs::path native;
        Text program;
    } cases[] = {
        {"/home/ann/Downloads/twrp.img", "C:\\Downloads\\twrp.img"},
        {"/home/ann", "C:"},
        {"/home/ann/", "C:"},
        {"/home/annex/x.img", "Z:\\home\\annex\\x.img"},  // a sibling, not inside the home folder
        {"/home/ann/../bob/x", "Z:\\home\\bob\\x"},
        {"/usr/bin", "Z:\\usr\\bin"},
        {"/", "Z:\\"},
        {"/home/ann/刷机/恢复.img", "C:\\刷机\\恢复.img"},
        {"recovery/find5.img", "recovery\\find5.img"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramPath(c.native), c.program) << c.native;
    }
}

TEST(DriveMappingRoundTrip, ChineseNamesSurviveBothWays) {
    testing::TempFolder home;
    ScopedEnvironment homeVariable("HOME", home.path().string());
    const fs::path file = home / "下载/华为 刷机包.zip";
    const Text program = ProgramPath(file);
    EXPECT_EQ(program, "C:\\下载\\华为 刷机包.zip");
    EXPECT_EQ(NativePath(program), file);
}

}  // namespace
}  // namespace tarnwick
