#include "app/wiring.h"

#include "app/navigation.h"
#include "compile/apk_tools.h"
#include "compile/browse.h"
#include "compile/task_selection.h"
#include "compile/tool_output.h"
#include "flash/family_selection.h"
#include "flash/flash_dispatch.h"
#include "push/push_dispatch.h"
#include "push/push_selection.h"
#include "ui/compile_window.h"
#include "ui/flash_window.h"
#include "ui/home_window.h"
#include "ui/info_window.h"
#include "ui/push_window.h"

namespace tarnwick::app {

namespace {

// An event handler that runs its steps through the window manager.
template <class Steps>
std::function<void()> Handler(WindowManager& windows, Steps steps) {
    return [&windows, steps] { windows.RunHandler(steps); };
}

void WireHome(WindowManager& windows, ui::Window& window) {
    ui::HomeWindow home(window);
    home.推送模式.onClick = Handler(windows, [&windows] { EnterMode(windows, WindowKind::Push); });
    home.刷机模式.onClick = Handler(windows, [&windows] { EnterMode(windows, WindowKind::Flash); });
    home.编译模式.onClick =
        Handler(windows, [&windows] { EnterMode(windows, WindowKind::Compile); });
    home.意见反馈.onClick = Handler(windows, [home]() mutable { ShowFeedbackPanel(home); });
    home.返回首页.onClick = Handler(windows, [home]() mutable { HideFeedbackPanel(home); });
    home.关闭.onClick = Handler(windows, [&windows] { windows.ExitProgram(0); });
    // 破解模式 reacts under the pointer and does nothing.
}

void WirePush(WindowManager& windows, ui::Window& window, Host& host) {
    ui::PushWindow push(window);
    push.APK单选框.onClick = Handler(windows, [push]() mutable { push::SelectApkInstall(push); });
    push.SD单选框.onClick =
        Handler(windows, [push, &host]() mutable { push::SelectCardPush(push, host); });
    push.SYS单选框.onClick =
        Handler(windows, [push, &host]() mutable { push::SelectSystemPush(push, host); });
    push.推送服务下一步.onClick =
        Handler(windows, [push, &host]() mutable { push::RunSelectedPush(push, host); });
    push.信息窗口返回.onClick = Handler(windows, [push]() mutable { push::ReturnToForm(push); });
    push.推送服务返回.onClick =
        Handler(windows, [&windows] { ReturnHome(windows, WindowKind::Push); });
    push.关闭.onClick = Handler(windows, [&windows] { windows.ExitProgram(0); });
    TakeHomePosition(windows, window);
}

void WireFlash(WindowManager& windows, ui::Window& window, Host& host) {
    ui::FlashWindow flash(window);
    flash.重启单选框.onClick =
        Handler(windows, [flash]() mutable { flash::SelectRebootFamily(flash); });
    flash.REC单选框.onClick =
        Handler(windows, [flash]() mutable { flash::SelectRecoveryFamily(flash); });
    flash.ROM单选框.onClick =
        Handler(windows, [flash, &host]() mutable { flash::SelectPackageFamily(flash, host); });
    flash.刷入自定REC.onClick =
        Handler(windows, [flash, &host]() mutable { flash::ChooseImage(flash, host); });
    flash.备份.onClick =
        Handler(windows, [flash, &host]() mutable { flash::ChooseBackupTarget(flash, host); });
    flash.刷机模式下一步.onClick =
        Handler(windows, [flash, &host]() mutable { flash::RunSelectedOperation(flash, host); });
    flash.刷机模式返回.onClick =
        Handler(windows, [&windows, flash]() mutable { LeaveFlashWindow(windows, flash); });
    flash.关闭.onClick = Handler(windows, [&windows] { windows.ExitProgram(0); });
    TakeHomePosition(windows, window);
}

// The end of a compile-mode tool run. An info window that is open already comes to the front
// and reads the logs again, so that it never shows an earlier run's output.
void ShowToolOutput(WindowManager& windows, Host& host) {
    const bool alreadyOpen =
        windows.IsOpen(WindowKind::Info) && !windows.IsClosing(WindowKind::Info);
    windows.OpenWindow(WindowKind::Info);
    if (alreadyOpen) {
        ui::InfoWindow info(*windows.Find(WindowKind::Info));
        compile::ReadBackToolOutput(info, host);
    }
}

void WireCompile(WindowManager& windows, ui::Window& window, Host& host) {
    ui::CompileWindow compile(window);
    compile.载入资源.onClick =
        Handler(windows, [compile]() mutable { compile::SelectFrameworkTask(compile); });
    compile.编译模式.onClick =
        Handler(windows, [compile]() mutable { compile::SelectCompileTask(compile); });
    for (ui::CheckBox* operation : {&compile.反编译, &compile.回编译, &compile.签名}) {
        operation->onClick = Handler(windows, [compile, operation]() mutable {
            compile::ChooseOperation(compile, *operation);
        });
    }
    compile.资源3.onContentChanged =
        Handler(windows, [compile]() mutable { compile::DeriveOutputName(compile); });
    compile.图形按钮1.onClick = Handler(windows, [&host] { compile::OpenDriveC(host); });
    compile.图形按钮3.onClick =
        Handler(windows, [compile, &host]() mutable { compile::ChooseInput(compile, host); });
    compile.图形按钮4.onClick =
        Handler(windows, [compile, &host]() mutable { compile::ChooseOutput(compile, host); });
    compile.刷机模式下一步.onClick = Handler(windows, [compile, &windows, &host]() mutable {
        compile::RunSelectedTask(compile, host,
                                 [&windows, &host] { ShowToolOutput(windows, host); });
    });
    compile.刷机模式返回.onClick =
        Handler(windows, [&windows] { ReturnHome(windows, WindowKind::Compile); });
    compile.关闭.onClick = Handler(windows, [&windows] { windows.ExitProgram(0); });
    // 图形按钮2 reacts under the pointer and does nothing.
    TakeHomePosition(windows, window);
}

void WireInfo(WindowManager& windows, ui::Window& window, Host& host) {
    ui::InfoWindow info(window);
    info.关闭.onClick = Handler(windows, [&windows] { windows.CloseWindow(WindowKind::Info); });
    PlaceInfoWindow(windows, window);
    compile::ReadBackToolOutput(info, host);
}

}  // namespace

WindowManager::Setup WireWindows(Host& host) {
    return [&host](WindowManager& windows, WindowKind kind, ui::Window& window) {
        switch (kind) {
            case WindowKind::Home:
                return WireHome(windows, window);
            case WindowKind::Push:
                return WirePush(windows, window, host);
            case WindowKind::Flash:
                return WireFlash(windows, window, host);
            case WindowKind::Compile:
                return WireCompile(windows, window, host);
            case WindowKind::Info:
                return WireInfo(windows, window, host);
        }
    };
}

}  // namespace tarnwick::app
