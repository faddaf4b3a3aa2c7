#include "ui/first_paint_signal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

namespace tarnwick::ui {

namespace {

class FirstPaintFilter : public QObject {
public:
    explicit FirstPaintFilter(int descriptor)
        : QObject(QCoreApplication::instance()), fd_(descriptor) {}

    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint && target->isWidgetType() &&
            static_cast<QWidget*>(target)->isWindow()) {
            // After the paint has been handled and flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                QFile signal;
                if (signal.open(fd_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
                    signal.write("!", 1);
                }
            });
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    int fd_;
};

}  // namespace

void SignalFirstPaint() {
    const QByteArray descriptor = qgetenv("TARNWICK_FIRST_PAINT_FD");
    bool isNumber = false;
    const int fd = descriptor.toInt(&isNumber);
    if (isNumber) {
        QCoreApplication::instance()->installEventFilter(new FirstPaintFilter(fd));
    }
}

}  // namespace tarnwick::ui
