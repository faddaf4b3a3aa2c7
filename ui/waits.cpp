#include "ui/waits.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

namespace tarnwick::ui {

namespace {

constexpr int kProcessCheckMilliseconds = 10;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
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
            return true;
        default:
            return false;
    }
}

// While it lives, every user input event that reaches any object of the application is held
// back; afterwards the held events are posted again to their receivers, in their order.
class InputHold : public QObject {
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }

    ~InputHold() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [receiver, event] : held_) {
            if (receiver) {
                QCoreApplication::postEvent(receiver, event.release());
            }
        }
    }

    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!IsUserInput(event->type())) {
            return false;
        }
        held_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
        event->accept();  // stops the event from travelling on to the parent widgets
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace

void RunWithoutInput(QEventLoop& loop) {
    InputHold hold;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void PauseWithoutInput(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    RunWithoutInput(loop);
}

void QtProcessWait::Until(const std::function<bool()>& hasEnded) {
    if (hasEnded()) {
        return;
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
}

}  // namespace tarnwick::ui
