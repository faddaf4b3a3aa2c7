// The compile mode with Debian's apktool and signapk through the real command runner and the
// program's wiring, in a program folder set up as scripts/run.sh sets up the program's own,
// with a temporary home and data folder: apktool's framework folder is the test's.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "host/paths.h"
#include "tests/support/real_commands_host.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/built_window.h"
#include "ui/compile_window.h"
#include "ui/info_window.h"

namespace tarnwick::compile::testing {
namespace {

namespace fs = std::filesystem;
using ::tarnwick::testing::CurrentDirectory;
using ::tarnwick::testing::RealCommandsHost;
using ::tarnwick::testing::ScopedEnvironment;
using ::tarnwick::testing::TempFolder;

int Shell(const std::string& command, const fs::path& path) {
    return std::system((command + " '" + path.string() + "'").c_str());
}

class CompileEndToEnd : public ::testing::Test {
protected:
    ~CompileEndToEnd() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::Window& OpenCompileWindow() {
        windows_.OpenWindow(app::WindowKind::Compile);
        return *windows_.Find(app::WindowKind::Compile);
    }
    // Runs the operation on the two paths; the info window's text.
    std::string Run(ui::CheckBox& operation, const fs::path& in, const fs::path& out) {
        if (!operation.checked()) {
            ui::testing::ClickMark(operation);
        }
        compile_.资源3.setContent(ProgramPath(in));
        compile_.资源4.setContent(ProgramPath(out));
        return Execute();
    }
    std::string Execute() {
        compile_.刷机模式下一步.onClick();
        EXPECT_FALSE(fs::exists(program_ / "log.txt"));
        return ui::InfoWindow(*windows_.Find(app::WindowKind::Info)).编辑框1.content().bytes();
    }
    // Clicks 下一步 on a form that must be refused; the message it showed.
    std::string Refuse() {
        host_.ClearCalls();
        compile_.刷机模式下一步.onClick();
        EXPECT_FALSE(fs::exists(program_ / "log.txt"));
        EXPECT_EQ(windows_.Find(app::WindowKind::Info), nullptr);  // no tool ran
        return host_.calls().empty() ? "" : host_.calls().back();
    }
    // Every file and link of the user's files: its content, or where the link leads.
    std::map<fs::path, std::string> UserFiles() const {
        std::map<fs::path, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(user_.path())) {
            const std::string name = entry.path().lexically_relative(user_.path()).string();
            if (entry.is_symlink()) {
                files[name] = "-> " + fs::read_symlink(entry.path()).string();
            } else if (entry.is_regular_file()) {
                files[name] = user_.Read(name);
            }
        }
        return files;
    }

    TempFolder program_, home_, data_, user_;  // program folder, drive C:, XDG data, user files
    ScopedEnvironment homeVariable_{"HOME", home_.path().string()};
    ScopedEnvironment dataVariable_{"XDG_DATA_HOME", data_.path().string()};
    CurrentDirectory current_{program_.path()};
    RealCommandsHost host_{program_.path()};
    app::WindowManager windows_{app::WireWindows(host_), [](int) {}, [] {}};
    ui::CompileWindow compile_{OpenCompileWindow()};
};

TEST_F(CompileEndToEnd, FrameworkRebuildDecompileAndSignRunThroughTheWindow) {
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
    EXPECT_NE(Execute().find("I: Framework installed to: "), std::string::npos);
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
    EXPECT_NE(Run(compile_.回编译, user_ / "tiny src", user_ / "tiny.apk").find("I: Built apk"),
              std::string::npos);

    EXPECT_NE(Run(compile_.反编译, user_ / "tiny.apk", user_ / "tiny decoded").find("I: Baksmal"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded/AndroidManifest.xml"));
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded/apktool.yml"));
    // Again into apktool's own output, which it replaces.
    user_.Write("tiny decoded/stale.txt", "from the last run");
    EXPECT_NE(Run(compile_.反编译, user_ / "tiny.apk", user_ / "tiny decoded").find("I: Baksmal"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded/apktool.yml"));
    EXPECT_FALSE(fs::exists(user_ / "tiny decoded/stale.txt"));

    {
        // Java reads its arguments by the locale: under one that is not UTF-8 the tools get one.
        const ScopedEnvironment plainLocale{"LC_ALL", "C"};
        EXPECT_EQ(Run(compile_.签名, user_ / "tiny.apk", user_ / "已签名.apk"), "");
    }
    EXPECT_EQ(Shell("apksigner verify", user_ / "已签名.apk"), 0);

    user_.Write("not decoded/readme.txt", "text");
    EXPECT_NE(Run(compile_.回编译, user_ / "not decoded", user_ / "bad.apk").find("apktool.yml"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(user_ / "bad.apk"));
}

TEST_F(CompileEndToEnd, ADecompileIntoAFolderApktoolDidNotMakeOrALinkRunsNothing) {
    ASSERT_EQ(Shell(TARNWICK_STAGE_APK_TOOLS, program_.path()), 0);
    // apktool d -f empties OUT before it reads the APK, through links inside it too: an APK that
    // is no APK shows it as well as a real one.
    user_.Write("Music.apk", "not read");
    user_.Write("Music/song.mp3", "song");
    user_.Write("elsewhere/keep.txt", "kept");
    fs::create_directory_symlink(user_ / "elsewhere", user_ / "Music/more");
    user_.Write("real/Music.apk", "not read");
    user_.Write("real/Music/song.mp3", "song");
    fs::create_directory_symlink(user_ / "real", user_ / "via");
    user_.Write("chosen/Music/notes.txt", "notes");
    user_.Write("Linked.apk", "not read");
    user_.Write("earlier/apktool.yml", "version: 2.7.0\n");  // apktool's, but behind a link
    fs::create_directory_symlink(user_ / "earlier", user_ / "Linked");
    const auto before = UserFiles();

    const struct {
        const char* apk;
        const char* chosen;  // the folder chosen with the browser; null: the name beside the APK
        const char* out;
    } cases[] = {
        {"Music.apk", nullptr, "Music"},
        {"via/Music.apk", nullptr, "via/Music"},
        {"Music.apk", "chosen", "chosen/Music"},
        {"Linked.apk", nullptr, "Linked"},
    };
    ui::testing::ClickMark(compile_.编译模式);
    ui::testing::ClickMark(compile_.反编译);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        compile_.资源3.setContent(ProgramPath(user_ / c.apk));
        if (c.chosen != nullptr) {
            host_.folderChoices = {ProgramPath(user_ / c.chosen)};
            compile_.图形按钮4.onClick();
        }
        ASSERT_EQ(compile_.资源4.content(), ProgramPath(user_ / c.out));
        EXPECT_EQ(Refuse(), R"(ShowMessage("输出目录已存在,且不是反编译生成的目录!\r\n\r\n)"
                            R"(请另选目录,或先将其移走!", 0, "警告!") -> 0)");
        EXPECT_EQ(UserFiles(), before);
    }
}

TEST_F(CompileEndToEnd, SigningOntoTheInputFileUnderAnyOfItsPathsRunsNothing) {
    ASSERT_EQ(Shell(TARNWICK_STAGE_APK_TOOLS, program_.path()), 0);
    // An empty zip: signapk empties its output before it finds that no manifest is in it.
    const std::string apk = "PK\x05\x06" + std::string(18, '\0');
    user_.Write("apps/app.apk", apk);
    fs::create_directory_symlink(user_ / "apps", user_ / "link");
    fs::create_symlink(user_ / "apps/app.apk", user_ / "alias.apk");
    const Text in = ProgramPath(user_ / "apps/app.apk");

    ui::testing::ClickMark(compile_.编译模式);
    ui::testing::ClickMark(compile_.签名);
    for (const Text& out :
         {in, ProgramPath(user_ / "link/app.apk"),
          ProgramPath(user_ / "apps") + "\\..\\apps\\app.apk", ProgramPath(user_ / "alias.apk")}) {
        SCOPED_TRACE(out.bytes());
        compile_.资源3.setContent(in);
        compile_.资源4.setContent(out);
        EXPECT_EQ(Refuse(), R"(ShowMessage("生成的文件不能与原文件相同!\r\n\r\n)"
                            R"(请设置其他文件名!", 0, "") -> 0)");
        EXPECT_EQ(user_.Read("apps/app.apk"), apk);
    }
}

TEST_F(CompileEndToEnd, TheSetUpKeepsDebiansApktoolFromLinkingTheFrameworkAgain) {
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
