#include "app/navigation.h"

#include <initializer_list>

namespace tarnwick::app {

namespace {

void MoveTo(ui::Window& window, const ui::Window& place) {
    window.setTop(place.top());
    window.setLeft(place.left());
}

// In the given order: the order is what the user may glimpse.
void SetVisible(std::initializer_list<ui::Control*> controls, bool visible) {
    for (ui::Control* control : controls) {
        control->setVisible(visible);
    }
}

// The home window's button that opens the mode.
ui::Control& ModeButton(const ui::HomeWindow& home, WindowKind mode) {
    switch (mode) {
        case WindowKind::Push:
            return home.推送模式;
        case WindowKind::Compile:
            return home.编译模式;
        default:
            return home.刷机模式;
    }
}

}  // namespace

void EnterMode(WindowManager& windows, WindowKind mode) {
    windows.OpenWindow(mode);
    windows.CloseWindow(WindowKind::Home);
}

void TakeHomePosition(WindowManager& windows, ui::Window& modeWindow) {
    // The home window closes only after the mode button's handler, so it is still here.
    if (const ui::Window* home = windows.Find(WindowKind::Home)) {
        MoveTo(modeWindow, *home);
    }
}

void ReturnHome(WindowManager& windows, WindowKind mode) {
    windows.OpenWindow(WindowKind::Home);
    ui::Window* home = windows.Find(WindowKind::Home);
    const ui::Window* modeWindow = windows.Find(mode);
    if (home != nullptr && modeWindow != nullptr) {
        MoveTo(*home, *modeWindow);
        // A keyboard user goes on from the button that opened the mode.
        if (modeWindow->keyboardUsed()) {
            home->FocusByKeyboard(ModeButton(ui::HomeWindow(*home), mode));
        }
    }
    windows.CloseWindow(mode);
}

void LeaveFlashWindow(WindowManager& windows, ui::FlashWindow& flash) {
    if (flash.显示框.visible()) {
        flash.显示框.setVisible(false);
        return;
    }
    ReturnHome(windows, WindowKind::Flash);
}

void PlaceInfoWindow(WindowManager& windows, ui::Window& info) {
    if (const ui::Window* compile = windows.Find(WindowKind::Compile)) {
        info.setTop(compile->top() + 50);
        info.setLeft(compile->left() - 90);
    }
}

void ShowFeedbackPanel(ui::HomeWindow& home) {
    SetVisible({&home.显示窗, &home.超级链接框1, &home.超级链接框2, &home.超级链接框3, &home.标签1,
                &home.返回首页},
               true);
    SetVisible({&home.意见反馈, &home.刷机模式, &home.编译模式, &home.破解模式, &home.推送模式},
               false);
}

void HideFeedbackPanel(ui::HomeWindow& home) {
    SetVisible({&home.显示窗, &home.返回首页, &home.超级链接框1, &home.超级链接框2,
                &home.超级链接框3, &home.标签1},
               false);
    SetVisible({&home.意见反馈, &home.刷机模式, &home.编译模式, &home.破解模式, &home.推送模式},
               true);
}

}  // namespace tarnwick::app
