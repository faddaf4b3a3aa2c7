#include "ui/controls.h"

#include <QWidget>

#include <utility>

#include "ui/window_widget.h"

namespace tarnwick::ui {

Control::Control(std::string name, QWidget* widget) : name_(std::move(name)), widget_(widget) {}

Control::~Control() = default;

bool Control::visible() const {
    return widget_->isVisible();
}

void Control::setVisible(bool visible) {
    widget_->setVisible(visible);
    if (auto* window = dynamic_cast<WindowWidget*>(widget_->window())) {
        window->UpdateCovered();  // a view shown or hidden covers or uncovers others
    }
}

bool Control::disabled() const {
    // The control's own setting: the window is left out, as it is disabled only while a
    // dialog is open.
    return !widget_->isEnabledTo(widget_->window());
}

void Control::setDisabled(bool disabled) {
    widget_->setDisabled(disabled);
}

}  // namespace tarnwick::ui
