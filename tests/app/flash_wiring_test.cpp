// The flash-mode window as the program opens it: every event reaches its handler with the
// program's host.
#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "tests/support/fake_host.h"
#include "tests/ui/built_window.h"
#include "ui/flash_window.h"
#include "ui/home_window.h"

namespace tarnwick::app {
namespace {

using ui::testing::ClickMark;

class FlashWiring : public ::testing::Test {
protected:
    FlashWiring() {
        windows.OpenWindow(WindowKind::Flash);
        windows.SetLoopRunning();
    }
    ~FlashWiring() override { Serve(); }

    static void Serve() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ui::FlashWindow Flash() { return ui::FlashWindow(*windows.Find(WindowKind::Flash)); }
    bool Recorded(const std::string& call) const {
        return std::find(host.calls().begin(), host.calls().end(), call) != host.calls().end();
    }

    testing::FakeHost host;
    WindowManager windows{WireWindows(host), [](int) {}, [] {}};
};

TEST_F(FlashWiring, NextRunsTheSelectedOperation) {
    host.messageResults = {0};
    Flash().刷机模式下一步.onClick();
    EXPECT_EQ(host.calls(),
              (std::vector<std::string>{
                  R"(ShowMessage("确认重新启动?", 1, "请确认...") -> 0)",
                  R"(RunCommand("cmd /c adb reboot||fastboot reboot", true, 1) -> exit 0)",
              }));
}

TEST_F(FlashWiring, FamilyButtonsAndBrowseActionsReachTheirHandlers) {
    ui::FlashWindow flash = Flash();
    host.chooserPaths = {Text("C:\\img\\twrp.img"), Text("C:\\backup\\rec.img"),
                         Text("C:\\roms\\update.zip")};

    ClickMark(flash.REC单选框);
    EXPECT_FALSE(flash.刷入自定REC.disabled());
    EXPECT_TRUE(flash.重新启动.disabled());
    ClickMark(flash.刷入自定REC);
    EXPECT_EQ(flash.REC路径.content(), "C:\\img\\twrp.img");
    ClickMark(flash.备份);
    EXPECT_EQ(flash.备份路径.content(), "C:\\backup\\rec.img");
    ClickMark(flash.ROM单选框);
    EXPECT_EQ(flash.ROM路径.content(), "C:\\roms\\update.zip");
    EXPECT_TRUE(flash.刷入自定REC.disabled());
    ClickMark(flash.重启单选框);
    EXPECT_FALSE(flash.重新启动.disabled());

    ClickMark(flash.ROM单选框);  // the chooser opens again; cancelled
    flash.刷机模式下一步.onClick();
    EXPECT_TRUE(Recorded(
        R"(RunCommand("cmd /c adb push C:\\roms\\update.zip /sdcard/oppo-update.zip", true, 1) -> exit 0)"));
    EXPECT_TRUE(flash.显示框.visible());
    flash.刷机模式返回.onClick();
    Serve();
    EXPECT_FALSE(flash.显示框.visible());
    EXPECT_TRUE(windows.IsOpen(WindowKind::Flash));
}

}  // namespace
}  // namespace tarnwick::app
