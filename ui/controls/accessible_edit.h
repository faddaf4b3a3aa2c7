#pragma once
// What a screen reader reads and writes in an edit box (a QLineEdit or QPlainTextEdit that the
// program made): its text, cursor and selections, with Qt's own role and name. A change it asks
// for while a handler or a wait runs is refused, as the handler would not see it, and so is
// one in a read-only box; a covered box is off the screen and takes no focus.

class QAccessibleInterface;
class QWidget;

namespace tarnwick::ui {

QAccessibleInterface* NewEditInterface(QWidget* edit);

}  // namespace tarnwick::ui
