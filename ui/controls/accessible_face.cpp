#include "ui/controls/accessible_face.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QVariant>
#include <QWidget>

#include "ui/controls/accessible_edit.h"
#include "ui/event.h"

namespace tarnwick::ui {
namespace {

// The focus policy of a covered control, kept until it shows again.
constexpr char kCoveredPolicy[] = "coveredFocusPolicy";

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
        state.offscreen = state.offscreen || IsCovered(*widget());
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? face_.AccessibleValue() : QAccessibleWidget::text(kind);
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
            if (HandlersMayStart()) {  // a press while a handler runs would nest another
                face_.Press();
            }
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
    if (!face || !widget) {
        return nullptr;
    }
    if (face->AccessibleRole() == QAccessible::EditableText) {
        return NewEditInterface(widget);
    }
    return new FaceInterface(widget, *face);
}

}  // namespace

void SetCovered(QWidget& widget, bool covered) {
    if (covered == IsCovered(widget)) {
        return;
    }
    if (covered) {
        widget.setProperty(kCoveredPolicy, static_cast<int>(widget.focusPolicy()));
        widget.setFocusPolicy(Qt::NoFocus);
        if (widget.hasFocus() || widget.isAncestorOf(QApplication::focusWidget())) {
            widget.window()->setFocus(Qt::OtherFocusReason);
        }
    } else {
        widget.setFocusPolicy(
            static_cast<Qt::FocusPolicy>(widget.property(kCoveredPolicy).toInt()));
        widget.setProperty(kCoveredPolicy, QVariant());
    }
}

bool IsCovered(const QWidget& widget) {
    return widget.property(kCoveredPolicy).isValid();
}

void InstallAccessibleFaces() {
    static const bool installed = [] {
        QAccessible::installFactory(FaceFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace tarnwick::ui
