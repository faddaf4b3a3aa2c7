// The push window as the program opens it: every event reaches its handler with the program's
// host.
#include <gtest/gtest.h>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "tests/support/fake_host.h"
#include "tests/ui/built_window.h"
#include "ui/push_window.h"

namespace tarnwick::app {
namespace {

TEST(PushWiring, RadioButtonsNextAndTheLogViewsReturnReachTheirHandlers) {
    testing::FakeHost host;
    WindowManager windows{WireWindows(host), [](int) {}, [] {}};
    windows.OpenWindow(WindowKind::Push);
    windows.SetLoopRunning();
    ui::PushWindow push(*windows.Find(WindowKind::Push));
    host.chooserPaths = {Text("C:\\music\\a.mp3"), Text("C:\\apps\\Foo.apk")};
    host.commandResults["cmd /c adb install C:\\apps\\Foo.apk"] = {true, 0, "Success\r\n"};

    ui::testing::ClickMark(push.SD单选框);
    EXPECT_EQ(push.SD编辑框1.content(), "C:\\music\\a.mp3");
    ui::testing::ClickMark(push.SYS单选框);
    EXPECT_EQ(push.SYS编辑框1.content(), "C:\\apps\\Foo.apk");
    EXPECT_TRUE(push.NOROOT.visible());
    ui::testing::ClickMark(push.APK单选框);
    EXPECT_FALSE(push.NOROOT.visible());

    push.推送服务下一步.onClick();  // the APK install's chooser is cancelled: the last choice
    EXPECT_EQ(host.calls()[host.calls().size() - 3],
              R"(RunCommand("cmd /c adb install C:\\apps\\Foo.apk", true, 1) -> exit 0)");
    EXPECT_TRUE(push.信息显示窗.visible());
    push.信息窗口返回.onClick();
    EXPECT_FALSE(push.信息显示窗.visible());
    windows.CloseWindow(WindowKind::Push);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tarnwick::app
