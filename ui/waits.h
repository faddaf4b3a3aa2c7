#pragma once
// The waits of the program: a pause or a running command blocks the handler while the windows
// keep repainting but take no input. Input that arrives meanwhile is dropped: a click held
// back and delivered afterwards would run a phone operation a second time.
//
// Timers, repaints and posted events are served inside these waits. So a window must never be
// closed by a posted event (a queued close, deleteLater): the handler that is waiting would
// find its window gone on return. The windows defer their closes themselves.

#include <QEventLoop>

#include "host/command_runner.h"

namespace tarnwick::ui {

// Runs the loop until it is quit, with the busy pointer over every window. The user's mouse,
// wheel and key input and the user's close requests that reach any window meanwhile are
// dropped, also those still queued when the loop ends, and so is every key pressed meanwhile
// until it has been released; no handler starts. Everything else is served as usual.
void RunWithoutInput(QEventLoop& loop);

// Blocks for the given time; a negative time counts as 0.
void PauseWithoutInput(int milliseconds);

// The runner's wait for a started process, and the wait for the program's own work on a thread
// of its own (host/waited_work.h): checks every few milliseconds.
class QtProcessWait : public ProcessWait {
public:
    bool Until(const std::function<bool()>& hasEnded) override;
};

}  // namespace tarnwick::ui
