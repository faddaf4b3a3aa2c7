#include "ui/waits.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>

#include "ui/input_guard.h"

namespace tarnwick::ui {

namespace {

constexpr int kProcessCheckMilliseconds = 10;

// While it lives, every window of the program shows the busy pointer: they take no input.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }

    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

void RunWithoutInput(QEventLoop& loop) {
    WaitScope waiting;
    BusyPointer busy;
    loop.exec();
    // What the window system queued before the wait ended was made during it.
    QCoreApplication::processEvents();
}

void PauseWithoutInput(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    RunWithoutInput(loop);
}

bool QtProcessWait::Until(const std::function<bool()>& hasEnded) {
    if (hasEnded()) {
        return true;
    }
    QEventLoop loop;
    QTimer check;
    check.setInterval(kProcessCheckMilliseconds);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (hasEnded()) {
            check.stop();
            loop.quit();
        }
    });
    check.start();
    RunWithoutInput(loop);
    return true;
}

}  // namespace tarnwick::ui
