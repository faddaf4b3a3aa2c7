// Moving between the windows: positions carried over, closes after the handler, the feedback
// panel, and the ways the program ends.
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/window_manager.h"
#include "app/wiring.h"
#include "tests/support/fake_host.h"
#include "ui/compile_window.h"
#include "ui/flash_window.h"
#include "ui/home_window.h"
#include "ui/info_window.h"
#include "ui/push_window.h"

namespace tarnwick::app {
namespace {

class Navigation : public ::testing::Test {
protected:
    Navigation() {
        windows.OpenWindow(WindowKind::Home);
        windows.SetLoopRunning();
    }
    ~Navigation() override { Serve(); }

    // What the event loop does between two user actions.
    static void Serve() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::Window& Open(WindowKind kind) {
        EXPECT_TRUE(windows.IsOpen(kind));
        return *windows.Find(kind);
    }

    void Click(ui::PictureButton& button) {
        button.onClick();
        Serve();
    }

    std::vector<WindowKind> OpenKinds() const {
        std::vector<WindowKind> kinds;
        for (const WindowKind kind : kAllWindowKinds) {
            if (windows.IsOpen(kind)) {
                kinds.push_back(kind);
            }
        }
        return kinds;
    }

    testing::FakeHost host;
    std::vector<int> exitCodes;
    int quits = 0;
    WindowManager windows{WireWindows(host), [this](int code) { exitCodes.push_back(code); },
                          [this] { ++quits; }};
};

// The back buttons keep the window's place, and after keyboard use the user's place too.
TEST_F(Navigation, ModeAndBackButtonsKeepThePositionBothWays) {
    const struct {
        WindowKind mode;
        ui::PictureButton& (*modeButton)(ui::HomeWindow&);
        ui::PictureButton& (*backButton)(ui::Window&);
    } modes[] = {{WindowKind::Push, [](ui::HomeWindow & h) -> auto& {return h.推送模式;
}
, [](ui::Window& w) -> auto& {
    return ui::PushWindow(w).推送服务返回;
}
}  // namespace
, {WindowKind::Flash, [](ui::HomeWindow& h) -> auto& {return h.刷机模式;
}  // namespace tarnwick::app
, [](ui::Window& w) -> auto& {
    return ui::FlashWindow(w).刷机模式返回;
}
}
, {WindowKind::Compile, [](ui::HomeWindow& h) -> auto& {return h.编译模式;
}
, [](ui::Window& w) -> auto& {
    return ui::CompileWindow(w).刷机模式返回;
}
}
,
}
;
for (const auto& m : modes) {
    ui::Window& home = Open(WindowKind::Home);
    home.setLeft(123);
    home.setTop(77);
    ui::HomeWindow homeView(home);
    Click(m.modeButton(homeView));
    ASSERT_EQ(OpenKinds(), std::vector{m.mode});
    ui::Window& modeWindow = Open(m.mode);
    EXPECT_EQ(modeWindow.left(), 123);
    EXPECT_EQ(modeWindow.top(), 77);

    modeWindow.setLeft(310);
    modeWindow.setTop(205);
    Click(m.backButton(modeWindow));
    ASSERT_EQ(OpenKinds(), std::vector{WindowKind::Home});
    EXPECT_EQ(Open(WindowKind::Home).left(), 310);
    EXPECT_EQ(Open(WindowKind::Home).top(), 205);

    // Back by mouse, no control has the focus; by keyboard, the mode's button has it.
    ui::HomeWindow byMouse(Open(WindowKind::Home));
    EXPECT_NE(byMouse.window.widget()->focusWidget(), m.modeButton(byMouse).widget());
    Click(m.modeButton(byMouse));
    ui::PictureButton& back = m.backButton(Open(m.mode));
    Open(m.mode).FocusByKeyboard(back);
    Click(back);
    ui::HomeWindow byKeyboard(Open(WindowKind::Home));
    EXPECT_EQ(byKeyboard.window.widget()->focusWidget(), m.modeButton(byKeyboard).widget());
}
EXPECT_EQ(quits, 0);
}

TEST_F(Navigation, ClosingWaitsForTheRunningHandler) {
    windows.RunHandler([this] {
        windows.CloseWindow(WindowKind::Home);
        Serve();  // a pause inside the handler serves events too
        EXPECT_TRUE(windows.IsOpen(WindowKind::Home));
        EXPECT_TRUE(Open(WindowKind::Home).widget()->isVisible());
    });
    Serve();
    EXPECT_FALSE(windows.IsOpen(WindowKind::Home));
    EXPECT_EQ(quits, 1);  // it was the last window
}

TEST_F(Navigation, FlashBackLeavesTheLogViewFirst) {
    Click(ui::HomeWindow(Open(WindowKind::Home)).刷机模式);
    ui::FlashWindow flash(Open(WindowKind::Flash));
    flash.显示框.setVisible(true);
    flash.显示窗.setContent("请勿断开手机连接...\r\n");

    Click(flash.刷机模式返回);
    EXPECT_EQ(OpenKinds(), std::vector{WindowKind::Flash});
    EXPECT_FALSE(flash.显示框.visible());
    EXPECT_EQ(flash.显示窗.content(), "请勿断开手机连接...\r\n");

    Click(flash.刷机模式返回);
    EXPECT_EQ(OpenKinds(), std::vector{WindowKind::Home});
}

TEST_F(Navigation, FeedbackPanelShowsAndHidesAndANewHomeWindowStartsWithoutIt) {
    const auto panelShown = [](ui::HomeWindow& h) {
        return std::vector{h.显示窗.visible(),      h.超级链接框1.visible(),
                           h.超级链接框2.visible(), h.超级链接框3.visible(),
                           h.标签1.visible(),       h.返回首页.visible()};
    };
    const auto modeButtonsShown = [](ui::HomeWindow& h) {
        return std::vector{h.意见反馈.visible(), h.刷机模式.visible(), h.编译模式.visible(),
                           h.破解模式.visible(), h.推送模式.visible()};
    };
    const std::vector<bool> all(6, true), none(6, false), allFive(5, true), noneOfFive(5, false);

    ui::HomeWindow home(Open(WindowKind::Home));
    EXPECT_EQ(panelShown(home), none);
    Click(home.意见反馈);
    EXPECT_EQ(panelShown(home), all);
    EXPECT_EQ(modeButtonsShown(home), noneOfFive);
    Click(home.返回首页);
    EXPECT_EQ(panelShown(home), none);
    EXPECT_EQ(modeButtonsShown(home), allFive);

    // Panel shown, off to a mode and back: the new home window comes from its template.
    Click(home.意见反馈);
    Click(home.推送模式);  // hidden now, but its handler is what a mode button does
    Click(ui::PushWindow(Open(WindowKind::Push)).推送服务返回);
    ui::HomeWindow fresh(Open(WindowKind::Home));
    EXPECT_EQ(panelShown(fresh), none);
    EXPECT_EQ(modeButtonsShown(fresh), allFive);
}

TEST_F(Navigation, InfoWindowOpensBesideTheCompileWindowOnlyOnce) {
    Click(ui::HomeWindow(Open(WindowKind::Home)).编译模式);
    ui::Window& compile = Open(WindowKind::Compile);
    compile.setLeft(400);
    compile.setTop(300);
    windows.OpenWindow(WindowKind::Info);
    ui::Window& info = Open(WindowKind::Info);
    EXPECT_EQ(info.left(), 310);
    EXPECT_EQ(info.top(), 350);

    // Opening it again brings it to the front without running its created handler again.
    info.setLeft(20);
    EXPECT_TRUE(windows.OpenWindow(WindowKind::Info));
    EXPECT_EQ(&Open(WindowKind::Info), &info);
    EXPECT_EQ(info.left(), 20);

    Click(ui::InfoWindow(info).关闭);
    EXPECT_EQ(OpenKinds(), std::vector{WindowKind::Compile});
}

TEST_F(Navigation, CloseButtonsEndTheProgramAtOnceEvenWithTheInfoWindowOpen) {
    ui::HomeWindow(Open(WindowKind::Home)).关闭.onClick();
    EXPECT_EQ(exitCodes, std::vector{0});

    Click(ui::HomeWindow(Open(WindowKind::Home)).编译模式);
    windows.OpenWindow(WindowKind::Info);
    ui::CompileWindow(Open(WindowKind::Compile)).关闭.onClick();
    EXPECT_EQ(exitCodes, (std::vector{0, 0}));
}

TEST_F(Navigation, EscClosesTheWindowAndTheLastOneEndsTheProgram) {
    Click(ui::HomeWindow(Open(WindowKind::Home)).编译模式);
    windows.OpenWindow(WindowKind::Info);

    QTest::keyClick(Open(WindowKind::Compile).widget(), Qt::Key_Escape);
    Serve();
    EXPECT_EQ(OpenKinds(), std::vector{WindowKind::Info});
    EXPECT_EQ(quits, 0);

    QTest::keyClick(Open(WindowKind::Info).widget(), Qt::Key_Escape);
    Serve();
    EXPECT_TRUE(OpenKinds().empty());
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(exitCodes.empty());
}

}  // namespace
}  // namespace tarnwick::app
