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
        box_->setText(QString::fromUtf8(record.caption));
        box_->setChecked(record.checked);
        box_->setFont(ToQFont(record.font));
        SetColours(box_, record.textColour, record.backColour.value_or(kWhite));
        QObject::connect(box_, &QAbstractButton::clicked, &lifetime_, [this] {
            if (onClick) {
                onClick();
            }
        });
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
