#include "ui/controls/accessible_face.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace tarnwick::ui {
namespace {

class FaceInterface final : public QAccessibleWidget {
public:
    FaceInterface(QWidget* widget, AccessibleFace& face)
        : QAccessibleWidget(widget, face.AccessibleRole()), face_(face) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
            state.checkable = button->isCheckable();
            state.checked = button->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (face_.Pressable() && widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && face_.Pressable() && widget()->isEnabled()) {
            face_.Press();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    AccessibleFace& face_;
};

QAccessibleInterface* FaceFactory(const QString& /*className*/, QObject* object) {
    auto* face = dynamic_cast<AccessibleFace*>(object);
    auto* widget = qobject_cast<QWidget*>(object);
    return face && widget ? new FaceInterface(widget, *face) : nullptr;
}

}  // namespace

void InstallAccessibleFaces() {
    static const bool installed = [] {
        QAccessible::installFactory(FaceFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace tarnwick::ui
