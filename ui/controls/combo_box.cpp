// Combo box: the platform's drop-down list; the user can only pick one of its items.

#include <QComboBox>

#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class QtComboBox final : public ComboBox {
public:
    QtComboBox(const ControlRecord& record, QWidget* parent)
        : ComboBox(record.name, new QComboBox(parent)), box_(static_cast<QComboBox*>(widget())) {
        box_->setEditable(false);
        for (const char* item : record.items) {
            box_->addItem(QString::fromUtf8(item));
        }
        box_->setCurrentIndex(record.currentItem);
        box_->setFont(ToQFont(record.font));
        SetColours(box_, record.textColour, record.backColour.value_or(kWhite));
    }

    int currentItem() const override { return box_->currentIndex(); }

private:
    QComboBox* box_;
};

}  // namespace

std::unique_ptr<Control> MakeComboBox(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtComboBox>(record, parent);
}

}  // namespace tarnwick::ui
