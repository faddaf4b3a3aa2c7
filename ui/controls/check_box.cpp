// Check box: the platform's check box. A click toggles its mark, then raises click. A screen
// reader's press is that click; it has no toggle of its own, which would raise nothing.

#include <QCheckBox>
#include <QObject>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class CheckWidget final : public QCheckBox, public AccessibleFace {
public:
    using QCheckBox::QCheckBox;

    QAccessible::Role AccessibleRole() const override { return QAccessible::CheckBox; }
    bool Pressable() const override { return true; }
    void Press() override { click(); }
};

class QtCheckBox final : public CheckBox {
public:
    QtCheckBox(const ControlRecord& record, QWidget* parent)
        : CheckBox(record.name, new CheckWidget(parent)), box_(static_cast<QCheckBox*>(widget())) {
        SetUpMarkButton(box_, record, onClick, lifetime_);
    }

    bool checked() const override { return box_->isChecked(); }
    void setChecked(bool checked) override { box_->setChecked(checked); }

private:
    QCheckBox* box_;
    QObject lifetime_;  // ends the widget's connections with this control
};

}  // namespace

std::unique_ptr<Control> MakeCheckBox(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtCheckBox>(record, parent);
}

}  // namespace tarnwick::ui
