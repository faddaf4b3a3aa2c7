// The compile-mode window as the program opens it: its events reach their handlers, and a
// tool run brings up the info window beside it with the run's output.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "tests/support/fake_host.h"
#include "tests/ui/built_window.h"
#include "ui/compile_window.h"
#include "ui/info_window.h"

namespace tarnwick::app {
namespace {

using testing::Lines;
using ui::testing::ClickMark;

constexpr const char* kInstall =
    "cmd /c java -jar apktool.jar if Z:\\fw\\framework-res.apk > log.txt 2>&1";

class CompileWiring : public ::testing::Test {
protected:
    CompileWiring() {
        windows.OpenWindow(WindowKind::Compile);
        windows.SetLoopRunning();
        Compile().window.setLeft(300);
        Compile().window.setTop(200);
    }
    ~CompileWiring() override { Serve(); }

    static void Serve() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ui::CompileWindow Compile() { return ui::CompileWindow(*windows.Find(WindowKind::Compile)); }
    ui::InfoWindow Info() { return ui::InfoWindow(*windows.Find(WindowKind::Info)); }
    // The framework install writes `output` into log.txt, as the tool would.
    void InstallWrites(const Bytes& output) {
        host.commandEffects[kInstall] = [output](testing::FakeHost& fake) {
            fake.files["log.txt"] = output;
        };
    }

    testing::FakeHost host;
    WindowManager windows{WireWindows(host), [](int) {}, [] {}};
};

TEST_F(CompileWiring, ARunOpensTheInfoWindowBesideWithItsOutputAndAnOpenOneReadsAgain) {
    ui::CompileWindow compile = Compile();
    compile.资源1.setContent("Z:\\fw\\framework-res.apk");
    InstallWrites("I: first\r\n");
    host.files["log2.txt"] = "I: left over\r\n";
    compile.刷机模式下一步.onClick();

    ASSERT_TRUE(windows.IsOpen(WindowKind::Info));
    EXPECT_EQ(Info().window.left(), 210);
    EXPECT_EQ(Info().window.top(), 250);
    EXPECT_EQ(Info().编辑框1.content(), "I: first\r\nI: left over\r\n");
    EXPECT_TRUE(host.files.empty());

    // Open already: it comes to the front and shows the new run, not the old text.
    InstallWrites("I: second\r\n");
    host.ClearCalls();
    compile.刷机模式下一步.onClick();
    EXPECT_EQ(Info().编辑框1.content(), "I: second\r\n");
    EXPECT_EQ(host.calls(), Lines(R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw\\framework-res.apk > log.txt 2>&1", true, 1) -> exit 0
ReadFile("log.txt") -> "I: second\r\n"
ReadFile("log2.txt") -> ""
DeleteFile("log.txt") -> true
DeleteFile("log2.txt") -> false)"));

    Info().关闭.onClick();
    Serve();
    EXPECT_FALSE(windows.IsOpen(WindowKind::Info));
    EXPECT_TRUE(windows.IsOpen(WindowKind::Compile));
}

TEST_F(CompileWiring, TheFormsEventsReachTheirHandlers) {
    ui::CompileWindow compile = Compile();
    host.chooserPaths = {Text("C:\\apps\\demo.apk")};
    host.folderChoices = {"C:\\out"};

    ClickMark(compile.编译模式);
    EXPECT_FALSE(compile.反编译.disabled());
    EXPECT_TRUE(compile.资源1.disabled());
    ClickMark(compile.反编译);
    compile.图形按钮3.onClick();
    EXPECT_EQ(compile.资源4.content(), "C:\\apps\\demo");
    compile.资源3.setContent("C:\\apps\\other.apk");  // the content-changed event
    EXPECT_EQ(compile.资源4.content(), "C:\\apps\\other");
    compile.图形按钮4.onClick();
    EXPECT_EQ(compile.资源4.content(), "C:\\out");
    ClickMark(compile.签名);
    EXPECT_FALSE(compile.反编译.checked());
    EXPECT_EQ(compile.资源3.content(), "");
    ClickMark(compile.载入资源);
    EXPECT_TRUE(compile.签名.disabled());
    compile.图形按钮1.onClick();
    EXPECT_EQ(host.calls().back(), R"(ShellOpen(4, "c:\\"))");
}

}  // namespace
}  // namespace tarnwick::app
