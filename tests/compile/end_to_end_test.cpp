// The compile mode with Debian's apktool and signapk through the real command runner, in a
// program folder set up as scripts/run.sh sets up the program's own, with a temporary home
// and data folder so that apktool's framework folder is the test's.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
using ui::testing::ClickMark;

const fs::path kSystemFramework = "/usr/share/android-framework-res/framework-res.apk";

// A decoded APK as text files: what `apktool b` turns into a small real APK.
void WriteDecodedApk(const TempFolder& folder, const std::string& name) {
    folder.Write(name + "/AndroidManifest.xml",
                 R"(<?xml version="1.0" encoding="utf-8"?>
<manifest xmlns:android="http://schemas.android.com/apk/res/android" package="com.example.tiny">
    <application android:label="@string/app_name"/>
</manifest>
)");
    folder.Write(name + "/apktool.yml", R"(version: 2.7.0
apkFileName: tiny.apk
isFrameworkApk: false
usesFramework:
  ids:
  - 1
sdkInfo:
  minSdkVersion: '21'
  targetSdkVersion: '21'
versionInfo:
  versionCode: '1'
  versionName: '1.0'
)");
    folder.Write(name + "/res/values/strings.xml", R"(<?xml version="1.0" encoding="utf-8"?>
<resources>
    <string name="app_name">Tiny</string>
</resources>
)");
    folder.Write(name + "/smali/com/example/tiny/Main.smali",
                 R"(.class public Lcom/example/tiny/Main;
.super Ljava/lang/Object;

.method public constructor <init>()V
    .registers 1
    invoke-direct {p0}, Ljava/lang/Object;-><init>()V
    return-void
.end method
)");
}

std::string ShellQuoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

class CompileEndToEnd : public ::testing::Test {
protected:
    CompileEndToEnd() { windows_.OpenWindow(app::WindowKind::Compile); }
    ~CompileEndToEnd() override {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void SetUpProgramFolder() const {
        ASSERT_EQ(
            std::system((ShellQuoted(TARNWICK_STAGE_APK_TOOLS) + " " + ShellQuoted(program_.path()))
                            .c_str()),
            0);
    }
    ui::CompileWindow Compile() {
        return ui::CompileWindow(*windows_.Find(app::WindowKind::Compile));
    }
    // Chooses the operation, fills both paths and runs it; the info window's text.
    std::string Run(ui::CheckBox& operation, const fs::path& in, const fs::path& out) {
        ui::CompileWindow compile = Compile();
        if (!operation.checked()) {
            ClickMark(operation);
        }
        compile.资源3.setContent(ProgramPath(in));
        compile.资源4.setContent(ProgramPath(out));
        compile.刷机模式下一步.onClick();
        EXPECT_FALSE(fs::exists(program_ / "log.txt"));
        return ShownOutput();
    }
    std::string ShownOutput() {
        ui::Window* info = windows_.Find(app::WindowKind::Info);
        return info ? ui::InfoWindow(*info).编辑框1.content().bytes() : "(no info window)";
    }

    TempFolder program_;  // the program folder and the current directory
    TempFolder home_;     // drive C:
    TempFolder data_;     // apktool's framework folder lies in it
    TempFolder user_;     // the user's files
    ScopedEnvironment homeVariable_{"HOME", home_.path().string()};
    ScopedEnvironment dataVariable_{"XDG_DATA_HOME", data_.path().string()};
    CurrentDirectory current_{program_.path()};
    RealCommandsHost host_{program_.path()};
    app::WindowManager windows_{app::WireWindows(host_), [](int) {}, [] {}};
};

TEST_F(CompileEndToEnd, TheSetUpRemovesAFrameworkLinkButNeverItsTarget) {
    user_.Write("system/framework-res.apk", "SYSTEM FILE");
    const fs::path framework = data_ / "apktool" / "framework";
    fs::create_directories(framework);
    fs::create_symlink(user_ / "system" / "framework-res.apk", framework / "1.apk");

    SetUpProgramFolder();

    EXPECT_FALSE(fs::exists(fs::symlink_status(framework / "1.apk")));
    EXPECT_EQ(user_.Read("system/framework-res.apk"), "SYSTEM FILE");
    for (const char* file :
         {"apktool.jar", "apktool", "signapk.jar", "testkey.x509.pem", "testkey.pk8"}) {
        EXPECT_TRUE(fs::exists(program_ / file)) << file;
    }
}

TEST_F(CompileEndToEnd, FrameworkDecompileRebuildAndSignRunThroughTheWindow) {
    SetUpProgramFolder();
    // Never the system's own file: apktool writes its framework folder from it.
    fs::create_directories(user_ / "my fw");
    fs::copy_file(kSystemFramework, user_ / "my fw" / "framework-res.apk");
    WriteDecodedApk(user_, "tiny src");
    user_.Write("not decoded/readme.txt", "text");
    ui::CompileWindow compile = Compile();

    compile.资源1.setContent(ProgramPath(user_ / "my fw" / "framework-res.apk"));
    compile.刷机模式下一步.onClick();
    EXPECT_NE(ShownOutput().find("I: Framework installed to: "), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(data_ / "apktool/framework/1.apk")));
    EXPECT_EQ(fs::file_size(user_ / "my fw" / "framework-res.apk"),
              fs::file_size(kSystemFramework));

    ClickMark(compile.编译模式);
    EXPECT_NE(Run(compile.回编译, user_ / "tiny src", user_ / "tiny.apk").find("I: Built apk into"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(user_ / "tiny.apk"));

    EXPECT_NE(Run(compile.反编译, user_ / "tiny.apk", user_ / "tiny decoded").find("I: Baksmaling"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded" / "AndroidManifest.xml"));
    EXPECT_TRUE(fs::exists(user_ / "tiny decoded" / "apktool.yml"));

    EXPECT_EQ(Run(compile.签名, user_ / "tiny.apk", user_ / "tiny signed.apk"), "");
    EXPECT_EQ(std::system(("apksigner verify " + ShellQuoted(user_ / "tiny signed.apk")).c_str()),
              0);

    EXPECT_NE(Run(compile.回编译, user_ / "not decoded", user_ / "bad.apk").find("apktool.yml"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(user_ / "bad.apk"));
}

}  // namespace
}  // namespace tarnwick::compile::testing
