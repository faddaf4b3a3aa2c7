#pragma once
// The window operations: at most one open instance per window, closes carried out after the
// running handler, the quit when the last window is gone, and the immediate exit.

#include <functional>
#include <map>
#include <memory>

#include "app/window_kind.h"
#include "ui/window.h"

class QObject;

namespace tarnwick::app {

class WindowManager {
public:
    // Wires a freshly built window's events and runs its created handler.
    using Setup = std::function<void(WindowManager&, WindowKind, ui::Window&)>;
    // Ends the process at once (std::exit in the program; tests record the code).
    using Exit = std::function<void(int code)>;
    // Ends the event loop once the last window is gone.
    using Quit = std::function<void()>;

    WindowManager(Setup setup, Exit exit, Quit quit);
    ~WindowManager();

    // Builds the window from its template, or brings an open instance to the front without
    // running its created handler again. An instance marked for closing is destroyed first.
    bool OpenWindow(WindowKind kind);
    // Marks the window for closing; it is destroyed after the running handler has returned.
    void CloseWindow(WindowKind kind);
    void ExitProgram(int code);

    ui::Window* Find(WindowKind kind) const;
    bool IsOpen(WindowKind kind) const { return Find(kind) != nullptr; }
    // Open and marked for closing: OpenWindow builds it anew.
    bool IsClosing(WindowKind kind) const;

    // Every event handler runs through here, so that closes wait for it to end, also while
    // it pauses or waits for a command inside a nested event loop.
    void RunHandler(const std::function<void()>& handler);

    // From now on, the last window's going ends the event loop.
    void SetLoopRunning() { loopRunning_ = true; }

private:
    struct OpenWindowEntry {
        std::unique_ptr<ui::Window> window;
        bool closingMark = false;
    };

    void PostCloseRequests();
    void ServeCloseRequests();
    void Destroy(WindowKind kind);
    void QuitIfNoneOpen();

    Setup setup_;
    Exit exit_;
    Quit quit_;
    std::map<WindowKind, OpenWindowEntry> open_;
    std::unique_ptr<QObject> context_;  // receiver of the posted close requests
    int runningHandlers_ = 0;
    bool closeRequestPosted_ = false;
    bool loopRunning_ = false;
};

}  // namespace tarnwick::app
