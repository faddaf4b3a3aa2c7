// Radio button: the platform's radio button, grouped by parent. A click sets its mark, clears
// the other radio buttons of the same parent and then raises click; a click on a set mark
// keeps it. Writing the mark changes this button only, so Qt's own exclusive groups are off;
// a screen reader still hears a radio button, not the check box Qt would make of it.

#include <QObject>
#include <QRadioButton>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class RadioWidget final : public QRadioButton, public AccessibleFace {
public:
    explicit RadioWidget(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

    QAccessible::Role AccessibleRole() const override { return QAccessible::RadioButton; }
    bool Pressable() const override { return true; }
    void Press() override { click(); }

protected:
    // The user's click, before Qt raises clicked.
    void nextCheckState() override {
        setChecked(true);
        for (QObject* sibling : parentWidget()->children()) {
            auto* other = dynamic_cast<RadioWidget*>(sibling);
            if (other && other != this) {
                other->setChecked(false);
            }
        }
    }
};

class QtRadioButton final : public RadioButton {
public:
    QtRadioButton(const ControlRecord& record, QWidget* parent)
        : RadioButton(record.name, new RadioWidget(parent)),
          button_(static_cast<RadioWidget*>(widget())) {
        SetUpMarkButton(button_, record, onClick, lifetime_);
    }

    bool checked() const override { return button_->isChecked(); }
    void setChecked(bool checked) override { button_->setChecked(checked); }

private:
    RadioWidget* button_;
    QObject lifetime_;  // ends the widget's connections with this control
};

}  // namespace

std::unique_ptr<Control> MakeRadioButton(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtRadioButton>(record, parent);
}

}  // namespace tarnwick::ui
