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

// Every control passes Tab up to its window. The walk starts after the control that has the
// focus (also one that is being hidden); from the window itself, at either end.
bool WindowWidget::focusNextPrevChild(bool next) {
    const int count = static_cast<int>(tabStops_.size());
    const QWidget* focused = focusWidget();
    int at = next ? -1 : count;
    for (int index = 0; index < count; ++index) {
        if (focused && (tabStops_[index] == focused || tabStops_[index]->isAncestorOf(focused))) {
            at = index;
        }
    }
    for (int step = 1; step <= count; ++step) {
        QWidget* stop = tabStops_[((at + (next ? step : -step)) % count + count) % count];
        if (stop->isVisibleTo(this) && stop->isEnabled()) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void WindowWidget::RequestClose() {
    Raise(closeRequested);
}

}  // namespace tarnwick::ui
