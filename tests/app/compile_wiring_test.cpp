// The compile-mode window as the program opens it: its events reach their handlers, and each
// tool run shows its logs in the info window, also in one that is open already.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "tests/support/call_record.h"
#include "tests/support/fake_host.h"
#include "tests/ui/built_window.h"
#include "ui/compile_window.h"
#include "ui/info_window.h"

namespace tarnwick::app {
namespace {

using ui::testing::ClickMark;

TEST(CompileWiring, EventsReachTheirHandlersAndEveryRunShowsItsLogs) {
    testing::FakeHost host;
    WindowManager windows{WireWindows(host), [](int) {}, [] {}};
    windows.OpenWindow(WindowKind::Compile);
    ui::CompileWindow compile(*windows.Find(WindowKind::Compile));
    host.chooserPaths = {Text("C:\\apps\\demo.apk")};
    ClickMark(compile.编译模式);
    ClickMark(compile.反编译);
    compile.图形按钮3.onClick();
    EXPECT_EQ(compile.资源4.content(), "C:\\apps\\demo");  // through the content-changed event
    compile.图形按钮4.onClick();                           // the folder browser, cancelled
    EXPECT_EQ(compile.资源4.content(), "C:\\apps\\demo");
    ClickMark(compile.载入资源);
    EXPECT_TRUE(compile.反编译.disabled());
    compile.图形按钮1.onClick();
    EXPECT_EQ(host.calls().back(), R"(ShellOpen(4, "c:\\"))");

    compile.资源1.setContent("Z:\\fw.apk");
    const Text install = "cmd /c java -jar apktool.jar if Z:\\fw.apk > log.txt 2>&1";
    host.commandEffects[install] = [](testing::FakeHost& fake) {
        fake.files["log.txt"] = "I: 1\n";
    };
    host.files["log2.txt"] = std::string("I: left over\0junk", 17);
    compile.刷机模式下一步.onClick();
    ui::InfoWindow info(*windows.Find(WindowKind::Info));
    EXPECT_EQ(info.编辑框1.content(), "I: 1\nI: left over");  // up to the zero byte
    EXPECT_TRUE(host.files.empty());

    host.commandEffects[install] = [](testing::FakeHost& fake) {
        fake.files["log.txt"] = "I: 2\n";
    };
    host.ClearCalls();
    compile.刷机模式下一步.onClick();
    EXPECT_EQ(info.编辑框1.content(), "I: 2\n");
    EXPECT_EQ(host.calls(), testing::Lines(R"(
RunCommand("cmd /c java -jar apktool.jar if Z:\\fw.apk > log.txt 2>&1", true, 1) -> exit 0
ReadFile("log.txt") -> "I: 2\n"
ReadFile("log2.txt") -> ""
DeleteFile("log.txt") -> true
DeleteFile("log2.txt") -> false)"));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tarnwick::app
