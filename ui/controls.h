#pragma once
// The control kinds as the handlers see them: exactly the properties they read and write, in
// Text. Each control is backed by a Qt widget that the window owns; the events a control
// raises call the handler that the program wired to it (an empty handler does nothing).

#include <functional>
#include <string>

#include "host/host.h"
#include "host/text.h"

class QWidget;

namespace tarnwick::ui {

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }  // the template's name, UTF-8
    QWidget* widget() const { return widget_; }

    // Actually visible: false while the control, a group box holding it or its window is hidden.
    bool visible() const;
    // Shows or hides the control itself; a group box hides its children while it is hidden.
    void setVisible(bool visible);
    bool disabled() const;
    void setDisabled(bool disabled);

protected:
    Control(std::string name, QWidget* widget);

private:
    std::string name_;
    QWidget* widget_;
};

class Label : public Control {
public:
    using Control::Control;
};

class GroupBox : public Control {
public:
    using Control::Control;
};

class Hyperlink : public Control {
public:
    using Control::Control;
};

// Clicked when the left button is released over it.
class PictureButton : public Control {
public:
    using Control::Control;
    std::function<void()> onClick;
};

// Single- or multi-line edit box; also the log box that AppendLog writes to.
class EditBox : public Control, public LogBox {
public:
    using Control::Control;
    virtual Text content() const = 0;
    // Replaces the whole text, shows its start and raises content-changed exactly once, also
    // when the text is unchanged.
    virtual void setContent(const Text& text) = 0;
    std::function<void()> onContentChanged;  // also raised by the user's edits
};

// A click sets the mark and clears the other radio buttons of the same parent, then raises
// click. Writing the mark changes this control only.
class RadioButton : public Control {
public:
    using Control::Control;
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
    std::function<void()> onClick;
};

// A click toggles the mark, then raises click.
class CheckBox : public Control {
public:
    using Control::Control;
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
    std::function<void()> onClick;
};

// A drop-down list; the user can only pick an item.
class ComboBox : public Control {
public:
    using Control::Control;
    virtual int currentItem() const = 0;  // 0-based, -1 when none
};

}  // namespace tarnwick::ui
