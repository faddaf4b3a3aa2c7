#include "ui/window.h"

#include <QWidget>

#include "ui/window_widget.h"

namespace tarnwick::ui {

Window::Window(const WindowTemplate& source, QWidget* widget) : source_(&source), widget_(widget) {}

// The window may be destroyed from inside one of its own events (Esc, a click), so the widget
// is hidden now and deleted when the event loop is next free. The controls go at once and
// nothing reaches them afterwards.
Window::~Window() {
    if (auto* face = dynamic_cast<WindowWidget*>(widget_)) {
        face->closeRequested = nullptr;
    }
    controls_.clear();
    widget_->hide();
    widget_->deleteLater();
}

void Window::Add(std::unique_ptr<Control> control) {
    controls_.push_back(std::move(control));
}

Control* Window::Find(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

int Window::left() const {
    return widget_->x();
}

int Window::top() const {
    return widget_->y();
}

void Window::setLeft(int left) {
    widget_->move(left, widget_->y());
}

void Window::setTop(int top) {
    widget_->move(widget_->x(), top);
}

// The window itself holds the focus, so no control shows a focus mark until the keyboard is
// used, and the first Tab goes to the first control. It asks to be activated, as a newly shown
// window is on Windows, so that the keyboard reaches it.
void Window::Show() {
    widget_->setFocus(Qt::OtherFocusReason);
    widget_->show();
    widget_->activateWindow();
}

bool Window::keyboardUsed() const {
    return widget_->testAttribute(Qt::WA_KeyboardFocusChange);
}

void Window::FocusByKeyboard(const Control& control) {
    widget_->setAttribute(Qt::WA_KeyboardFocusChange);
    control.widget()->setFocus(Qt::TabFocusReason);
}

}  // namespace tarnwick::ui
