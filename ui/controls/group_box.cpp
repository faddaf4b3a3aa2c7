// Group box: an invisible container that draws only its white background; hiding it hides its
// children. A press on it moves the window. A screen reader knows it as a grouping; it has no
// caption to be named by.

#include <QPainter>
#include <QWidget>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class GroupBoxWidget final : public QWidget, public AccessibleFace {
public:
    using QWidget::QWidget;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Grouping; }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), ToQColor(kWhite)); }

    void mousePressEvent(QMouseEvent* event) override { StartWindowMove(this, event); }
};

class QtGroupBox final : public GroupBox {
public:
    QtGroupBox(const ControlRecord& record, QWidget* parent)
        : GroupBox(record.name, new GroupBoxWidget(parent)) {}
};

}  // namespace

std::unique_ptr<Control> MakeGroupBox(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtGroupBox>(record, parent);
}

}  // namespace tarnwick::ui
