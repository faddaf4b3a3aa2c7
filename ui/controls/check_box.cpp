// Check box: the platform's check box. A click toggles its mark, then raises click.

#include <QCheckBox>
#include <QObject>

#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class QtCheckBox final : public CheckBox {
public:
    QtCheckBox(const ControlRecord& record, QWidget* parent)
        : CheckBox(record.name, new QCheckBox(parent)), box_(static_cast<QCheckBox*>(widget())) {
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
