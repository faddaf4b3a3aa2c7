#pragma once
// The top-level widget of a built window: frameless, of fixed size, drawing its background
// colour and picture. Esc and the platform's close request go to the owner instead
// of closing the widget; a press on the background moves the window. Tab and Shift+Tab walk
// its controls in reading order, round at either end.

#include <QColor>
#include <QWidget>

#include <functional>
#include <vector>

#include "ui/controls/accessible_face.h"
#include "ui/controls/look.h"
#include "ui/window_template.h"

namespace tarnwick::ui {

class WindowWidget final : public QWidget, public AccessibleFace {
public:
    explicit WindowWidget(const WindowTemplate& source);

    std::function<void()> closeRequested;

    // A window to the screen reader too, named by its mode (the title is the same for all).
    QAccessible::Role AccessibleRole() const override { return QAccessible::Window; }

    // The controls that Tab walks, in its order; those hidden, disabled or covered are passed
    // over.
    void SetTabStops(std::vector<QWidget*> stops);
    // Marks the stops that a control shown over them hides from sight as covered, and the
    // others as not.
    void UpdateCovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void RequestClose();
    bool IsUnderAnother(const QWidget& stop) const;

    QColor backColour_;
    ArtPicture picture_;
    std::vector<QWidget*> tabStops_;
};

}  // namespace tarnwick::ui
