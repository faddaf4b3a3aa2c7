#include "ui/controls/operated_face.h"

#include <QKeyEvent>
#include <QPainter>

namespace tarnwick::ui {
namespace {

bool IsClickKey(const QKeyEvent& event) {
    const int key = event.key();
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

}  // namespace

OperatedFace::OperatedFace(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void OperatedFace::DrawFocusMark(QPainter& painter, const QColor& colour, int inset) const {
    // Qt sets the window's keyboard focus change when Tab or an arrow key moved the focus.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    const QRect ring = rect().adjusted(inset, inset, -inset, -inset);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            painter.fillRect(QRect(x, y, 1, 1), colour);
        }
    };
    for (int x = ring.left(); x <= ring.right(); ++x) {
        dot(x, ring.top());
        dot(x, ring.bottom());
    }
    for (int y = ring.top() + 1; y < ring.bottom(); ++y) {
        dot(ring.left(), y);
        dot(ring.right(), y);
    }
}

void OperatedFace::keyPressEvent(QKeyEvent* event) {
    if (!IsClickKey(*event)) {
        QWidget::keyPressEvent(event);  // Esc and the rest go on to the window
        return;
    }
    if (!event->isAutoRepeat()) {
        Click();  // last: the click may close the window
    }
}

void OperatedFace::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void OperatedFace::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace tarnwick::ui
