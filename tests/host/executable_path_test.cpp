#include "host/executable_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "host/paths.h"

namespace tarnwick {
namespace {

#ifdef _WIN32
constexpr std::string_view kThisProgram = "\\host_tests.exe";
#else
constexpr std::string_view kThisProgram = "\\host_tests";
#endif

TEST(ExecutablePath, IsTheFullProgramPathOfThisTestProgram) {
    const std::string path = ExecutablePath().bytes();
    ASSERT_GT(path.size(), kThisProgram.size() + 3) << path;
    EXPECT_TRUE(path.ends_with(kThisProgram)) << path;
    EXPECT_EQ(path.find('/'), std::string::npos) << path;
#ifdef _WIN32
    EXPECT_EQ(path.substr(1, 2), ":\\") << path;
#else
    // Outside Windows the home folder is drive C: and the file-system root drive Z:.
    EXPECT_TRUE(path.starts_with("C:\\") || path.starts_with("Z:\\")) << path;
#endif
}

#ifndef _WIN32
TEST(ExecutablePath, LeadsBackToTheRunningExecutable) {
    const std::filesystem::path native = NativePath(ExecutablePath());
    ASSERT_FALSE(native.empty());
    EXPECT_TRUE(std::filesystem::equivalent(native, "/proc/self/exe")) << native;
}
#endif

}  // namespace
}  // namespace tarnwick
