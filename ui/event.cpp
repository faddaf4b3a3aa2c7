#include "ui/event.h"

#include <QThread>

#include "ui/input_guard.h"

namespace tarnwick::ui {
namespace {

int running = 0;           // handlers running, nested ones included
int handlerLoopLevel = 0;  // the event loop the outermost running handler was raised in

int LoopLevel() {
    return QThread::currentThread()->loopLevel();
}

// Counts a handler as running for as long as it lives, also when the handler throws.
class RunningHandler {
public:
    RunningHandler() {
        if (running++ == 0) {
            handlerLoopLevel = LoopLevel();
            HoldKeysDown();  // the key that started the handler acts nowhere until released
        }
    }
    ~RunningHandler() { --running; }

    RunningHandler(const RunningHandler&) = delete;
    RunningHandler& operator=(const RunningHandler&) = delete;
};

}  // namespace

bool HandlersMayStart() {
    return !Waiting() && (running == 0 || LoopLevel() == handlerLoopLevel);
}

void Raise(const std::function<void()>& handler) {
    if (!handler || !HandlersMayStart()) {
        return;
    }
    const std::function<void()> copy = handler;
    RunningHandler counted;
    copy();
}

}  // namespace tarnwick::ui
