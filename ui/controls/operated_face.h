#pragma once
// The face of a control that the program draws and the user operates: a picture button (the
// close cross among them) or a hyperlink. Tab reaches it, a click does not take the focus, so
// a window used by mouse looks as it always did; Space and Enter click it once per press,
// exactly as the mouse does, and a held key does not repeat the click. Its focus mark shows
// only when the keyboard brought the focus.

#include <QColor>
#include <QWidget>

#include "ui/controls/accessible_face.h"

class QPainter;

namespace tarnwick::ui {

class OperatedFace : public QWidget, public AccessibleFace {
public:
    explicit OperatedFace(QWidget* parent);

    bool Pressable() const override { return true; }
    void Press() override { Click(); }

protected:
    virtual void Click() = 0;

    // Draws the focus mark over the face while it shows: a dotted ring of one pixel, `inset`
    // pixels inside the edge, in whole device-independent pixels, so it stays sharp at every
    // scale.
    void DrawFocusMark(QPainter& painter, const QColor& colour, int inset) const;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tarnwick::ui
