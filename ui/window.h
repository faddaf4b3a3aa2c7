#pragma once
// A window built from its template: its controls by name, its file chooser and its position.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "ui/controls.h"
#include "ui/window_template.h"

class QWidget;

namespace tarnwick::ui {

class Window {
public:
    virtual ~Window();

    const WindowTemplate& source() const { return *source_; }
    QWidget* widget() const { return widget_; }

    // The control of this name and kind. A name the template lacks, or another kind, is a
    // fault of the program: std::logic_error.
    template <class Kind>
    Kind& control(std::string_view name) const {
        if (auto* found = dynamic_cast<Kind*>(Find(name))) {
            return *found;
        }
        throw std::logic_error("no such control: " + std::string(name));
    }

    FileChooser& chooser() { return chooser_; }  // 通用对话框1

    int left() const;
    int top() const;
    void setLeft(int left);  // moves the window, size unchanged
    void setTop(int top);

    // Shows and activates the window, with the focus on none of its controls.
    void Show();
    // Whether Tab or an arrow key has moved the focus in this window.
    bool keyboardUsed() const;
    // Gives the control the focus with its mark, as Tab does.
    void FocusByKeyboard(const Control& control);

    // Esc, or the platform's close request: the owner destroys the window at once.
    std::function<void()> onCloseRequest;

protected:
    Window(const WindowTemplate& source, QWidget* widget);
    void Add(std::unique_ptr<Control> control);
    Control* Find(std::string_view name) const;

private:
    const WindowTemplate* source_;
    QWidget* widget_;
    FileChooser chooser_;
    std::vector<std::unique_ptr<Control>> controls_;

    friend std::unique_ptr<Window> BuildWindow(const WindowTemplate&);
};

// Builds the window, still hidden, at its start position with every control of its template,
// stacked, shown or hidden and enabled as the template says. The caller wires the events, runs
// the created handler and then calls Show().
std::unique_ptr<Window> BuildWindow(const WindowTemplate& source);

}  // namespace tarnwick::ui
