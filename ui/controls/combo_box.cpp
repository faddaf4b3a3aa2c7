// Combo box: the platform's drop-down list; the user can only pick one of its items. A pick
// made while a handler runs (a screen reader's) is undone, as the handler would not see it.
// A screen reader names it by the caption beside it and reads the item as its value (Qt on
// Linux would name it by its item).

#include <QComboBox>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/controls/look.h"
#include "ui/event.h"

namespace tarnwick::ui {
namespace {

class ComboWidget final : public QComboBox, public AccessibleFace {
public:
    using QComboBox::QComboBox;

    QAccessible::Role AccessibleRole() const override { return QAccessible::ComboBox; }
    QString AccessibleValue() const override { return currentText(); }
};

class QtComboBox final : public ComboBox {
public:
    QtComboBox(const ControlRecord& record, QWidget* parent)
        : ComboBox(record.name, new ComboWidget(parent)), box_(static_cast<QComboBox*>(widget())) {
        box_->setEditable(false);
        for (const char* item : record.items) {
            box_->addItem(QString::fromUtf8(item));
        }
        box_->setCurrentIndex(record.currentItem);
        box_->setFont(ToQFont(record.font));
        SetColours(box_, record.textColour, record.backColour.value_or(kWhite));
        picked_ = box_->currentIndex();
        QObject::connect(box_, &QComboBox::currentIndexChanged, &lifetime_, [this](int now) {
            if (!HandlersMayStart() && now != picked_) {
                box_->setCurrentIndex(picked_);
            }
            picked_ = box_->currentIndex();
        });
    }

    int currentItem() const override { return box_->currentIndex(); }

private:
    QComboBox* box_;
    int picked_;        // the item the handlers last could see
    QObject lifetime_;  // ends the widget's connections with this control
};

}  // namespace

std::unique_ptr<Control> MakeComboBox(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtComboBox>(record, parent);
}

}  // namespace tarnwick::ui
