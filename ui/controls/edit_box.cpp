// Edit box: the platform's single- or multi-line edit control.
//
// The box keeps its Text as the source of its content: content() gives back exactly what was
// written and appended, "\r\n" and bytes outside Unicode included, while the Qt widget only
// shows it. A user's edit replaces the Text with the widget's text; in a multi-line box the
// line breaks then read "\r\n", as the platform's edit control gives them.
//
// Tab leaves every box for the next control, as in a dialog of the platform. A screen reader
// names the box by the caption that labels it on screen (the window builder sets it).

#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>

#include <functional>
#include <utility>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/controls/look.h"
#include "ui/event.h"
#include "ui/qt_text.h"

namespace tarnwick::ui {
namespace {

QString BorderStyle(Border border) {
    switch (border) {
        case Border::None:
            return QStringLiteral("border: none;");
        case Border::Thin:
            return QStringLiteral("border: 1px solid #7A7A7A;");
        case Border::Sunken:
            return QStringLiteral("border: 2px inset #A0A0A0;");
    }
    return QString();
}

// Colours and border as a style sheet for the widget's own class, so that a scroll bar keeps
// the platform's look.
QString StyleSheet(const char* widgetClass, const ControlRecord& record) {
    QString rules = BorderStyle(record.border);
    if (record.textColour) {
        rules += QStringLiteral(" color: %1;").arg(ToQColor(*record.textColour).name());
    }
    if (record.backColour) {
        rules += QStringLiteral(" background-color: %1;").arg(ToQColor(*record.backColour).name());
    }
    return QStringLiteral("%1 { %2 } %1:disabled { color: %3; }")
        .arg(QLatin1String(widgetClass), rules, ToQColor(kDisabledText).name());
}

// The edit widgets, each with the program's own accessibility (ui/controls/accessible_edit.h).
template <class Edit>
class EditWidget final : public Edit, public AccessibleFace {
public:
    using Edit::Edit;
    QAccessible::Role AccessibleRole() const override { return QAccessible::EditableText; }
};

class SingleLineEditBox final : public EditBox {
public:
    SingleLineEditBox(const ControlRecord& record, QWidget* parent)
        : EditBox(record.name, new EditWidget<QLineEdit>(parent)),
          edit_(static_cast<QLineEdit*>(widget())) {
        edit_->setReadOnly(record.readOnly);
        edit_->setFont(ToQFont(record.font));
        edit_->setStyleSheet(StyleSheet("QLineEdit", record));
        Show(Text(record.content));
        // The user's typing or a screen reader's change; neither comes while a handler runs.
        QObject::connect(edit_, &QLineEdit::textChanged, &lifetime_, [this](const QString& now) {
            if (!writing_) {
                text_ = TextFromQString(now);
                Raise(onContentChanged);
            }
        });
    }

    Text content() const override { return text_; }

    void setContent(const Text& text) override {
        Show(text);
        Raise(onContentChanged);
    }

    void AppendAtEnd(const Text& text) override {
        text_ += text;
        Write();
        edit_->end(false);
    }

private:
    void Show(const Text& text) {
        text_ = text;
        Write();
        edit_->home(false);
    }

    void Write() {
        writing_ = true;
        edit_->setText(ToQString(text_));
        writing_ = false;
    }

    QLineEdit* edit_;
    Text text_;
    bool writing_ = false;  // the program, not the user, is changing the widget's text
    QObject lifetime_;      // ends the widget's connections with this control
};

// The face of a multi-line box: it makes the edit control inside itself when it first shows,
// and keeps it at its own size. The edit control is the dearest control to make (a text
// document, its fonts and its style sheet), and windows hold boxes that may never show (the
// home window's feedback panel): start-up makes only what is seen.
class MultiLineFace final : public QWidget {
public:
    explicit MultiLineFace(QWidget* parent) : QWidget(parent) {}

    std::function<void()> firstShown;

protected:
    void showEvent(QShowEvent*) override {
        if (firstShown) {
            std::exchange(firstShown, nullptr)();
        }
    }

    void resizeEvent(QResizeEvent*) override {
        if (QWidget* edit = focusProxy()) {
            edit->setGeometry(rect());
        }
    }
};

class MultiLineEditBox final : public EditBox {
public:
    MultiLineEditBox(const ControlRecord& record, QWidget* parent)
        : EditBox(record.name, new MultiLineFace(parent)),
          text_(record.content),
          readOnly_(record.readOnly),
          verticalScrollBar_(record.verticalScrollBar),
          font_(ToQFont(record.font)),
          styleSheet_(StyleSheet("QPlainTextEdit", record)) {
        Face()->firstShown = [this] { MakeEdit(); };
    }

    ~MultiLineEditBox() override { Face()->firstShown = nullptr; }

    Text content() const override { return text_; }

    void setContent(const Text& text) override {
        text_ = text;
        atEnd_ = false;
        if (edit_) {
            ShowAll();
        }
        Raise(onContentChanged);
    }

    // Qt shows "\r\n", "\n" and "\r" each as one line break. A "\r\n" split over two appends
    // is already shown as a break by its "\r", so its "\n" is not shown again.
    void AppendAtEnd(const Text& text) override {
        QString shown = ToQString(text);
        if (!text_.empty() && text_.bytes().back() == '\r' && shown.startsWith(u'\n')) {
            shown.remove(0, 1);
        }
        text_ += text;
        atEnd_ = true;
        if (!edit_) {
            return;
        }
        QTextCursor end(edit_->document());
        end.movePosition(QTextCursor::End);
        writing_ = true;
        end.insertText(shown);
        writing_ = false;
        ShowEnd(end);
    }

private:
    MultiLineFace* Face() const { return static_cast<MultiLineFace*>(widget()); }

    void MakeEdit() {
        edit_ = new EditWidget<QPlainTextEdit>(widget());
        edit_->setGeometry(widget()->rect());
        edit_->setReadOnly(readOnly_);
        // The box's text only ever grows by the program's appends: no undo history to keep.
        edit_->setUndoRedoEnabled(!readOnly_);
        edit_->setFont(font_);
        edit_->setStyleSheet(styleSheet_);
        edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit_->setVerticalScrollBarPolicy(verticalScrollBar_ ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAlwaysOff);
        edit_->setTabChangesFocus(true);
        edit_->setAccessibleName(widget()->accessibleName());
        widget()->setFocusProxy(edit_);
        ShowAll();
        QObject::connect(edit_, &QPlainTextEdit::textChanged, &lifetime_, [this] {
            if (!writing_) {
                text_ =
                    TextFromQString(edit_->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
                atEnd_ = false;
                Raise(onContentChanged);
            }
        });
        edit_->show();
    }

    // The whole text, with its start in view, or its end after appends.
    void ShowAll() {
        writing_ = true;
        edit_->setPlainText(ToQString(text_));
        writing_ = false;
        if (atEnd_) {
            QTextCursor end(edit_->document());
            end.movePosition(QTextCursor::End);
            ShowEnd(end);
        } else {
            edit_->moveCursor(QTextCursor::Start);
            edit_->verticalScrollBar()->setValue(0);
        }
    }

    void ShowEnd(const QTextCursor& end) {
        edit_->setTextCursor(end);
        edit_->ensureCursorVisible();
        edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
    }

    Text text_;
    bool atEnd_ = false;  // the last write was an append: the end is in view
    bool readOnly_;
    bool verticalScrollBar_;
    QFont font_;
    QString styleSheet_;
    QPlainTextEdit* edit_ = nullptr;  // made when the box first shows
    bool writing_ = false;            // the program, not the user, is changing the widget's text
    QObject lifetime_;                // ends the widget's connections with this control
};

}  // namespace

std::unique_ptr<Control> MakeEditBox(const ControlRecord& record, QWidget* parent) {
    if (record.multiLine) {
        return std::make_unique<MultiLineEditBox>(record, parent);
    }
    return std::make_unique<SingleLineEditBox>(record, parent);
}

}  // namespace tarnwick::ui
