#pragma once
// Which of the user's input reaches the windows. While the program waits, none: a click or a
// key held back and delivered afterwards would run a phone operation a second time. And a key
// that was down when a handler started, or was pressed during a wait, acts nowhere until it
// has been released: its auto-repeats neither carry an operation out again once the wait has
// ended nor accept the confirmation that the handler opened.

namespace tarnwick::ui {

// Watches the user's keys from now on. Once per program, before the first window; later
// calls do nothing.
void InstallInputGuard();

// While one lives, the program waits: the user's mouse, wheel and key input and the user's
// close requests that reach any window are dropped, and no handler starts.
class WaitScope {
public:
    WaitScope();
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};

bool Waiting();

// The keys that are down now act nowhere until they have been released.
void HoldKeysDown();

}  // namespace tarnwick::ui
