#include "ui/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>

#include <string>

#include "ui/controls/look.h"
#include "ui/event.h"

namespace tarnwick::ui {

WindowWidget::WindowWidget(const WindowTemplate& source)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint |
                           (source.taskbarButton ? Qt::WindowFlags() : Qt::Tool)),
      backColour_(source.backColour ? ToQColor(*source.backColour)
                                    : palette().color(QPalette::Window)),
      picture_(LoadArtPicture(source.background)) {
    setWindowTitle(QString::fromUtf8(source.title));
    setFixedSize(source.width, source.height);
}

void WindowWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColour_);
    if (!picture_.isNull()) {
        DrawArtPicture(painter, rect(), picture_);
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    StartWindowMove(this, event);
}

// Key presses that the focused control does not use arrive here, so Esc closes the window
// from every control.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        RequestClose();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The owner decides: it destroys the window, so the widget is not closed here.
void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    RequestClose();
}

void WindowWidget::RequestClose() {
    Raise(closeRequested);
}

}  // namespace tarnwick::ui
