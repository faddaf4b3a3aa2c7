#include "ui/controls/accessible_edit.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

#include "ui/controls/accessible_face.h"
#include "ui/event.h"

namespace tarnwick::ui {
namespace {

// The text interfaces over the few things each kind of edit widget does its own way.
class EditInterface : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
public:
    explicit EditInterface(QWidget* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = ReadOnly();
        state.editable = !ReadOnly();
        state.selectableText = true;
        // A multi-line box is covered as a whole: its face, whose focus goes to this widget.
        const QWidget* face = widget()->parentWidget();
        if (IsCovered(*widget()) || (face && face->focusProxy() == widget() && IsCovered(*face))) {
            state.offscreen = true;
            state.focusable = false;
        }
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? All() : QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value) {
            replaceText(0, characterCount(), text);
        }
    }

    // Text.
    QString text(int start, int end) const override { return All().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(All().size()); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

    // Selections: an edit widget has one at most.
    int selectionCount() const override {
        int start = 0;
        int end = 0;
        selection(0, &start, &end);
        return start == end ? 0 : 1;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void scrollToSubstring(int start, int end) override { setSelection(0, start, end); }

    // Changes, refused while a handler or a wait runs and in a read-only box.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        const int count = characterCount();
        if (HandlersMayStart() && !ReadOnly() && 0 <= start && start <= end && end <= count) {
            Replace(start, end, text);
        }
    }

protected:
    virtual QString All() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual void Replace(int start, int end, const QString& text) = 0;

    // The place of a character on the screen, from the place of the line it is on.
    QRect CharacterIn(QRect line, int offset, const QFontMetrics& metrics) const {
        const QString all = All();
        line.setWidth(offset < all.size() ? metrics.horizontalAdvance(all.at(offset)) : 1);
        return line;
    }
};

class LineEditInterface final : public EditInterface {
public:
    explicit LineEditInterface(QLineEdit* edit) : EditInterface(edit), edit_(edit) {}

    void selection(int, int* start, int* end) const override {
        *start = edit_->selectionStart() < 0 ? 0 : edit_->selectionStart();
        *end = *start + edit_->selectionLength();
    }
    void setSelection(int, int start, int end) override { edit_->setSelection(start, end - start); }
    int cursorPosition() const override { return edit_->cursorPosition(); }
    void setCursorPosition(int position) override { edit_->setCursorPosition(position); }

    // Measured from the cursor, the one place in the line that the widget tells.
    QRect characterRect(int offset) const override {
        const QFontMetrics metrics = edit_->fontMetrics();
        const QString all = All();
        QRect line = edit_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        line.moveLeft(line.left() + metrics.horizontalAdvance(all.left(offset)) -
                      metrics.horizontalAdvance(all.left(edit_->cursorPosition())));
        return CharacterIn(line, offset, metrics).translated(edit_->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit_->cursorPositionAt(edit_->mapFromGlobal(point));
    }

private:
    QString All() const override { return edit_->text(); }
    bool ReadOnly() const override { return edit_->isReadOnly(); }
    void Replace(int start, int end, const QString& text) override {
        edit_->setSelection(start, end - start);
        edit_->insert(text);
    }

    QLineEdit* edit_;
};

class PlainEditInterface final : public EditInterface {
public:
    explicit PlainEditInterface(QPlainTextEdit* edit) : EditInterface(edit), edit_(edit) {}

    QAccessible::State state() const override {
        QAccessible::State state = EditInterface::state();
        state.multiLine = true;
        return state;
    }

    void selection(int, int* start, int* end) const override {
        *start = edit_->textCursor().selectionStart();
        *end = edit_->textCursor().selectionEnd();
    }
    void setSelection(int, int start, int end) override {
        edit_->setTextCursor(Span(start, end));
        edit_->ensureCursorVisible();
    }
    int cursorPosition() const override { return edit_->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    QRect characterRect(int offset) const override {
        return CharacterIn(edit_->cursorRect(Span(offset, offset)), offset, edit_->fontMetrics())
            .translated(edit_->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit_->cursorForPosition(edit_->viewport()->mapFromGlobal(point)).position();
    }

private:
    QString All() const override { return edit_->toPlainText(); }
    bool ReadOnly() const override { return edit_->isReadOnly(); }
    void Replace(int start, int end, const QString& text) override {
        Span(start, end).insertText(text);
    }

    QTextCursor Span(int start, int end) const {
        const int last = characterCount();
        QTextCursor span(edit_->document());
        span.setPosition(std::clamp(start, 0, last));
        span.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        return span;
    }

    QPlainTextEdit* edit_;
};

}  // namespace

QAccessibleInterface* NewEditInterface(QWidget* edit) {
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        return new LineEditInterface(line);
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(edit)) {
        return new PlainEditInterface(plain);
    }
    return nullptr;
}

}  // namespace tarnwick::ui
