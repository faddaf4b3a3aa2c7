#include "app/window_manager.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

namespace tarnwick::app {

WindowManager::WindowManager(Setup setup, Exit exit, Quit quit)
    : setup_(std::move(setup)),
      exit_(std::move(exit)),
      quit_(std::move(quit)),
      context_(std::make_unique<QObject>()) {}

WindowManager::~WindowManager() = default;

bool WindowManager::OpenWindow(WindowKind kind) {
    if (const auto found = open_.find(kind); found != open_.end()) {
        if (!found->second.closingMark) {
            QWidget* widget = found->second.window->widget();
            if (widget->isMinimized()) {
                widget->showNormal();
            } else {
                widget->raise();
                widget->activateWindow();
            }
            return true;
        }
        Destroy(kind);
    }

    std::unique_ptr<ui::Window> window = ui::BuildWindow(TemplateOf(kind));
    if (!window) {
        return false;
    }
    ui::Window& built = *window;
    built.onCloseRequest = [this, kind] {
        Destroy(kind);
        QuitIfNoneOpen();
    };
    open_[kind] = {std::move(window), false};
    setup_(*this, kind, built);
    built.Show();
    return true;
}

void WindowManager::CloseWindow(WindowKind kind) {
    const auto found = open_.find(kind);
    if (found == open_.end()) {
        return;
    }
    found->second.closingMark = true;
    PostCloseRequests();
}

void WindowManager::ExitProgram(int code) {
    exit_(code);
}

ui::Window* WindowManager::Find(WindowKind kind) const {
    const auto found = open_.find(kind);
    return found != open_.end() ? found->second.window.get() : nullptr;
}

bool WindowManager::IsClosing(WindowKind kind) const {
    const auto found = open_.find(kind);
    return found != open_.end() && found->second.closingMark;
}

void WindowManager::RunHandler(const std::function<void()>& handler) {
    ++runningHandlers_;
    handler();
    --runningHandlers_;
    if (runningHandlers_ == 0) {
        PostCloseRequests();
    }
}

void WindowManager::PostCloseRequests() {
    if (closeRequestPosted_) {
        return;
    }
    closeRequestPosted_ = true;
    QTimer::singleShot(0, context_.get(), [this] { ServeCloseRequests(); });
}

void WindowManager::ServeCloseRequests() {
    closeRequestPosted_ = false;
    // A nested event loop of a running handler (a pause, a command's wait) serves posted
    // events too; the closes wait until the handler has ended.
    if (runningHandlers_ > 0) {
        return;
    }
    for (const WindowKind kind : kAllWindowKinds) {
        const auto found = open_.find(kind);
        if (found != open_.end() && found->second.closingMark) {
            Destroy(kind);
        }
    }
    QuitIfNoneOpen();
}

void WindowManager::Destroy(WindowKind kind) {
    // Also from inside one of the window's own events (Esc): the window hides at once and
    // keeps its widget until the event has been handled.
    open_.erase(kind);
}

void WindowManager::QuitIfNoneOpen() {
    if (open_.empty() && loopRunning_) {
        quit_();
    }
}

}  // namespace tarnwick::app
