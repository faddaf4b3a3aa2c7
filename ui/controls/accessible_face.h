#pragma once
// What a control tells a screen reader through Qt's accessibility (AT-SPI on Linux, UI
// Automation on Windows) where Qt cannot know it: the controls that the program draws are
// plain widgets to Qt, and a radio button that is not exclusive would pass for a check box.
// The name is the widget's accessible name, which each control kind sets.

#include <QAccessible>
#include <QString>

class QWidget;

namespace tarnwick::ui {

class AccessibleFace {
public:
    virtual ~AccessibleFace() = default;
    virtual QAccessible::Role AccessibleRole() const = 0;
    // A screen reader's press: the control's click. Controls that are only read have none.
    virtual bool Pressable() const { return false; }
    virtual void Press() {}
    virtual QString AccessibleValue() const { return QString(); }
};

// A control covered by a view shown over it (a log view, its return button) stays visible and
// enabled for the handlers, but takes no focus, and a screen reader hears it as off the
// screen. A covered control that has the focus hands it to its window.
void SetCovered(QWidget& widget, bool covered);
bool IsCovered(const QWidget& widget);

// Has Qt ask each widget that is an AccessibleFace for its role and press. Once per program,
// before the first window is built; later calls do nothing.
void InstallAccessibleFaces();

}  // namespace tarnwick::ui
