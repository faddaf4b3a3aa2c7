// The push window as the program opens it: every event reaches its handler with the program's
// host.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "tests/support/fake_host.h"
#include "tests/ui/built_window.h"
#include "ui/push_window.h"

namespace tarnwick::app {
namespace {

using ui::testing::ClickMark;

class PushWiring : public ::testing::Test {
protected:
    PushWiring() {
        windows.OpenWindow(WindowKind::Push);
        windows.SetLoopRunning();
    }
    ~PushWiring() override {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::FakeHost host;
    WindowManager windows{WireWindows(host), [](int) {}, [] {}};
};

TEST_F(PushWiring, RadioButtonsNextAndTheLogViewsReturnReachTheirHandlers) {
    ui::PushWindow push(*windows.Find(WindowKind::Push));
    host.chooserPaths = {Text("C:\\music\\a.mp3"), Text("C:\\apps\\Foo.apk")};

    ClickMark(push.SD单选框);
    EXPECT_EQ(push.SD编辑框1.content(), "C:\\music\\a.mp3");
    EXPECT_FALSE(push.SD编辑框.disabled());
    ClickMark(push.SYS单选框);
    EXPECT_EQ(push.SYS编辑框1.content(), "C:\\apps\\Foo.apk");
    EXPECT_TRUE(push.NOROOT.visible());
    ClickMark(push.APK单选框);
    EXPECT_TRUE(push.SYS编辑框.disabled());
    EXPECT_FALSE(push.NOROOT.visible());

    push.推送服务下一步.onClick();  // the APK install's chooser is cancelled: the last choice
    EXPECT_EQ(host.calls()[host.calls().size() - 3],
              R"(RunCommand("cmd /c adb install C:\\apps\\Foo.apk", true, 1) -> exit 0)");
    EXPECT_TRUE(push.信息显示窗.visible());
    push.信息窗口返回.onClick();
    EXPECT_FALSE(push.信息显示窗.visible());
    EXPECT_TRUE(windows.IsOpen(WindowKind::Push));
}

}  // namespace
}  // namespace tarnwick::app
