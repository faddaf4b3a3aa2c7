#include "ui/waits.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>

namespace tarnwick::ui {

namespace {

constexpr int kProcessCheckMilliseconds = 10;

// What the user does to the windows. A close request from the window system is spontaneous;
// the program's own closes are not, and they go on.
bool IsUserInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::Close:
            return event.spontaneous();
        default:
            return false;
    }
}

// While it lives, every user input event that reaches any object of the application is
// dropped: it reaches neither the window nor, later, anything else.
class InputDrop : public QObject {
public:
    InputDrop() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDrop() override { QCoreApplication::instance()->removeEventFilter(this); }

    InputDrop(const InputDrop&) = delete;
    InputDrop& operator=(const InputDrop&) = delete;

protected:
    bool eventFilter(QObject* /*receiver*/, QEvent* event) override {
        if (!IsUserInput(*event)) {
            return false;
        }
        // A dropped close request is refused; dropped input counts as handled, so that it
        // does not travel on to the parent widgets.
        event->setAccepted(event->type() != QEvent::Close);
        return true;
    }
};

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
    InputDrop drop;
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
