#include "ui/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>

#include <string>

#include "ui/controls/accessible_face.h"
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
    setAccessibleName(QString::fromUtf8(source.spokenTitle));
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

void WindowWidget::SetTabStops(std::vector<QWidget*> stops) {
    tabStops_ = std::move(stops);
    UpdateCovered();
}

void WindowWidget::UpdateCovered() {
    for (QWidget* stop : tabStops_) {
        SetCovered(*stop, stop->isVisibleTo(this) && IsUnderAnother(*stop));
    }
}

// Whether a control of the window, shown and stacked above the stop (or above the group box
// that holds it), holds the stop's middle.
bool WindowWidget::IsUnderAnother(const QWidget& stop) const {
    const QWidget* placed = &stop;
    while (placed->parentWidget() != this) {
        placed = placed->parentWidget();
    }
    const QPoint middle = stop.mapTo(this, stop.rect().center());
    const QObjectList& stack = children();  // bottom first
    for (qsizetype above = stack.indexOf(placed) + 1; above < stack.size(); ++above) {
        const auto* widget = qobject_cast<const QWidget*>(stack[above]);
        if (widget && widget->isVisibleTo(this) && widget->geometry().contains(middle)) {
            return true;
        }
    }
    return false;
}

namespace {

bool TakesFocus(const QWidget& stop, const QWidget& window) {
    return stop.isVisibleTo(&window) && stop.isEnabled() && !IsCovered(stop);
}

}  // namespace

// Every control passes Tab up to its window. The walk starts after the control that has the
// focus, or from the window itself at either end. Qt asks here too when the control with the
// focus is hidden or disabled: then the window itself takes the focus, so that a handler that
// hides the control just clicked (意见反馈) does not hand the next Enter to another one, such
// as the close cross.
bool WindowWidget::focusNextPrevChild(bool next) {
    const int count = static_cast<int>(tabStops_.size());
    const QWidget* focused = focusWidget();
    int at = next ? -1 : count;
    for (int index = 0; index < count; ++index) {
        if (focused && (tabStops_[index] == focused || tabStops_[index]->isAncestorOf(focused))) {
            at = index;
        }
    }
    if (at >= 0 && at < count && !TakesFocus(*tabStops_[at], *this)) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    for (int step = 1; step <= count; ++step) {
        QWidget* stop = tabStops_[((at + (next ? step : -step)) % count + count) % count];
        if (TakesFocus(*stop, *this)) {
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
