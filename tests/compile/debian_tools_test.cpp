// The compile mode with Debian's apktool and signapk through the real command runner and the
// program's wiring, in a program folder set up as scripts/run.sh sets up the program's own,
// with a temporary home and data folder: apktool's framework folder is the test's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/encoding.h"
#include "tests/compile/compile_flow.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::compile::testing {
namespace {

namespace fs = std::filesystem;
using ::tarnwick::testing::ScopedEnvironment;
using ::tarnwick::testing::TempFolder;

int Shell(const std::string& command, const fs::path& path) {
    return std::system((command + " '" + path.string() + "'").c_str());
}

// Debian's tools with a data folder of the test's own: apktool's framework folder is in it.
class DebianTools : public CompileFlow {
protected:
    DebianTools() : CompileFlow({}) {}

    // The info window's text, as UTF-8.
    std::string RunTool(ui::CheckBox& operation, const fs::path& in, const fs::path& out) {
        return Utf8FromText(Run(operation, in, out));
    }

    const TempFolder& program_ = sandbox_.program;
    const TempFolder& user_ = sandbox_.user;
    const TempFolder& home_ = sandbox_.home;
    TempFolder data_;
    ScopedEnvironment dataVariable_{"XDG_DATA_HOME", data_.path().string()};
};

TEST_F(DebianTools, FrameworkRebuildDecompileAndSignRunThroughTheWindow) {
    // A framework link as Debian's apktool leaves it: the set-up removes it, never its target,
    // which is a copy: the system's own file is never handed to a framework install.
    const fs::path framework = user_ / "my fw" / "framework-res.apk";
    fs::create_directories(framework.parent_path());
    fs::copy_file("/usr/share/android-framework-res/framework-res.apk", framework);
    const auto size = fs::file_size(framework);
    fs::create_directories(data_ / "apktool/framework");
    fs::create_symlink(framework, data_ / "apktool/framework/1.apk");
    ASSERT_EQ(Shell(TARNWICK_STAGE_APK_TOOLS, program_.path()), 0);
    EXPECT_FALSE(fs::is_symlink(data_ / "apktool/framework/1.apk"));

    compile_.资源1.setContent(ProgramPath(framework));
    EXPECT_NE(Utf8FromText(Execute()).find("I: Framework installed to: "), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(data_ / "apktool/framework/1.apk")));
    EXPECT_EQ(fs::file_size(framework), size);

    // A small APK from text files.
    user_.Write("tiny src/AndroidManifest.xml",
                R"(<manifest xmlns:android="http://schemas.android.com/apk/res/android" )"
                R"(package="t.tiny"><application android:label="@string/app_name"/></manifest>)");
    user_.Write("tiny src/apktool.yml",
                "version: 2.7.0\napkFileName: tiny.apk\nusesFramework:\n"
                "  ids:\n  - 1\nsdkInfo:\n  minSdkVersion: 21\n");
    user_.Write("tiny src/res/values/strings.xml",
                R"(<resources><string name="app_name">Tiny</string></resources>)");
    user_.Write("tiny src/smali/t/Main.smali",
                ".class public Lt/Main;\n.super Ljava/lang/Object;\n");
    ui::testing::ClickMark(compile_.编译模式);
    EXPECT_NE(RunTool(compile_.回编译, user_ / "tiny src", user_ / "tiny.apk").find("I: Built apk"),
              std::string::npos);

    EXPECT_NE(
        RunTool(compile_.反编译, user_ / "tiny.apk", user_ / "tiny decoded").find("I: Baksmal"),
        std::string::npos);
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded/AndroidManifest.xml"));
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded/apktool.yml"));
    // Again into apktool's own output, which it replaces.
    user_.Write("tiny decoded/stale.txt", "from the last run");
    EXPECT_NE(
        RunTool(compile_.反编译, user_ / "tiny.apk", user_ / "tiny decoded").find("I: Baksmal"),
        std::string::npos);
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded/apktool.yml"));
    EXPECT_FALSE(fs::exists(user_ / "tiny decoded/stale.txt"));

    // Java reads its arguments by the locale in force: where it is not UTF-8, plainly or as a
    // UTF-8 name that is not installed, the tools get one.
    for (const char* lang : {"C", "zz_ZZ.UTF-8"}) {
        SCOPED_TRACE(lang);
        fs::remove(user_ / "已签名.apk");
        {
            const ScopedEnvironment all{"LC_ALL", ""};
            const ScopedEnvironment type{"LC_CTYPE", ""};
            const ScopedEnvironment language{"LANG", lang};
            EXPECT_EQ(RunTool(compile_.签名, user_ / "tiny.apk", user_ / "已签名.apk"), "");
        }
        EXPECT_EQ(Shell("apksigner verify", user_ / "已签名.apk"), 0);
    }

    user_.Write("not decoded/readme.txt", "text");
    EXPECT_NE(
        RunTool(compile_.回编译, user_ / "not decoded", user_ / "bad.apk").find("apktool.yml"),
        std::string::npos);
    EXPECT_FALSE(fs::exists(user_ / "bad.apk"));
}

TEST_F(DebianTools, TheSetUpKeepsDebiansApktoolFromLinkingTheFrameworkAgain) {
    // Run for a user without an entry in the user database: getent finds nothing.
    TempFolder tools;
    tools.Write("getent", "#!/bin/sh\nexit 2\n", true);
    {
        ScopedEnvironment path{"PATH", tools.path().string() + ":" + std::getenv("PATH")};
        ASSERT_EQ(Shell(TARNWICK_STAGE_APK_TOOLS, program_.path()), 0);
    }
    EXPECT_TRUE(fs::is_directory(data_ / "apktool/framework"));
    // Debian's launcher links the system's framework into its folder under HOME when missing.
    ASSERT_EQ(std::system("/usr/bin/apktool --version > /dev/null"), 0);
    EXPECT_TRUE(fs::is_directory(home_ / ".local/share/apktool/framework"));
    EXPECT_FALSE(fs::is_symlink(home_ / ".local/share/apktool/framework/1.apk"));
}

}  // namespace
}  // namespace tarnwick::compile::testing
