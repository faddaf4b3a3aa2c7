// Group box: an invisible container that draws only its white background; hiding it hides its
// children. A press on it moves the window.

#include <QPainter>
#include <QWidget>

#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class GroupBoxWidget final : public QWidget {
public:
    using QWidget::QWidget;

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
